#pragma once
// Every input of a design state drawn from a source of numbers and codes:
// the seeded robustness sweep draws them from a random generator, the fuzz
// target from the fuzzer's bytes. A source gives
//   float Single(double typical), Variant VariantNumber(double typical):
//     a value near `typical` or an awkward one (zero, negative, tiny, huge ...);
//   std::int16_t Code(int lo, int hi): a code in lo..hi or, as the source
//     sees fit, outside it.

#include <cstdint>

#include "calc/design_state.h"

namespace tamrel::testing {

template <class Source>
void Randomise(DesignState& ds, Source& g) {
  ds.cyltype = g.Code(-1, 4);
  ds.lrfd = g.Code(0, 1);
  ds.UF = g.VariantNumber(1.0);
  ds.ring = g.Code(0, 1);
  ds.hring = g.Code(0, 1);
  ds.outside = g.Code(0, 1);
  ds.ih = g.Code(0, 1);
  ds.ringfab = g.Code(0, 1);
  ds.odmom = g.Code(0, 2);
  ds.cylr = g.Single(3333);
  ds.cylt = g.VariantNumber(20);
  ds.ringspacing = g.VariantNumber(3000);
  ds.stiffspacing = g.VariantNumber(600);
  ds.cyll = g.VariantNumber(6000);
  ds.stifflt = g.VariantNumber(3000);
  ds.ringlt = g.Single(600);
  ds.Sigx = g.VariantNumber(-100);
  ds.Sigy = g.Single(-10);
  ds.Tau = g.Single(40);
  ds.pd = g.Single(-0.3);
  ds.naxial = g.VariantNumber(-1000);
  ds.M1a = g.VariantNumber(-200);
  ds.M1b = g.VariantNumber(100);
  ds.M2a = g.VariantNumber(-100);
  ds.M2b = g.Single(100);
  ds.k1 = g.VariantNumber(1);
  ds.k2 = g.Single(1);
  ds.emod = g.Single(210000);
  const int last = ds.mat.matlast;
  ds.matp = g.Code(-1, last + 1);
  ds.mats = g.Code(-1, last + 1);
  ds.matg = g.Code(-1, last + 1);
  ds.fyp = g.VariantNumber(355);
  ds.fys = g.VariantNumber(355);
  ds.fyg = g.VariantNumber(355);
  ds.stifftype = g.Code(-1, 10);
  ds.ringtype = g.Code(-1, 10);
  ds.stifflidx = g.Code(-2, 70);
  ds.stifftidx = g.Code(-2, 70);
  ds.stifffidx = g.Code(-2, 70);
  ds.stiffhpidx = g.Code(-2, 70);
  ds.girdlidx = g.Code(-2, 70);
  ds.girdtidx = g.Code(-2, 70);
  ds.girdfidx = g.Code(-2, 70);
  ds.girdhpidx = g.Code(-2, 70);
  for (Variant* v :
       {&ds.stifflb_h, &ds.stifftb_h, &ds.stifffb_h, &ds.stiffrhs_h, &ds.stiffusp_h, &ds.stiffib_h,
        &ds.girdlb_h, &ds.girdtb_h, &ds.girdfb_h, &ds.girdrhs_h, &ds.girdusp_h, &ds.girdib_h}) {
    *v = g.VariantNumber(200);
  }
  for (Variant* v :
       {&ds.stifflb_b, &ds.stifftb_b, &ds.stiffrhs_b, &ds.stiffusp_b, &ds.stiffib_b, &ds.girdlb_b,
        &ds.girdtb_b, &ds.girdrhs_b, &ds.girdusp_b, &ds.girdib_b, &ds.stiffusp_a, &ds.girdusp_a}) {
    *v = g.VariantNumber(90);
  }
  for (Variant* v : {&ds.stifflb_tw, &ds.stifftb_tw, &ds.stiffib_tw, &ds.girdlb_tw, &ds.girdtb_tw,
                     &ds.girdib_tw}) {
    *v = g.VariantNumber(9);
  }
  for (float* v : {&ds.stifflb_tf, &ds.stifftb_tf, &ds.stifffb_tw, &ds.stiffrhs_tw, &ds.stiffusp_tw,
                   &ds.stiffib_tf, &ds.girdlb_tf, &ds.girdtb_tf, &ds.girdfb_tw, &ds.girdrhs_tw,
                   &ds.girdusp_tw, &ds.girdib_tf}) {
    *v = g.Single(12);
  }
}

}  // namespace tamrel::testing
