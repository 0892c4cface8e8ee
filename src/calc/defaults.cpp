#include "calc/defaults.h"

#include <cstdint>

namespace tamrel {

namespace {
constexpr Variant I(std::int16_t v) {
  return Variant::Int(v);
}
constexpr std::int32_t Rgb(int r, int g, int b) {
  return r | (g << 8) | (b << 16);
}
}  // namespace

void SetDefaults(DesignState& ds) {
  // Program and identification.
  ds.filever = I(170);
  ds.titlecolor = Rgb(0, 85, 152);
  ds.filename = kNewFile;
  ds.proj = "Project";
  ds.ident = "Test";

  // Codes and options.
  ds.matp = 2;
  ds.mats = 2;
  ds.matg = 2;
  ds.cyltype = kStringerStiffened;
  ds.stiffnote = 1;
  ds.ring = 1;
  ds.hring = 0;
  ds.outside = 0;
  ds.ringfab = kFabricated;
  ds.lrfd = kLRFD;
  ds.ih = 0;
  ds.extraopt = 0;
  ds.odmom = kMaximumMoment;
  ds.UF = I(1);
  ds.stifftype = kLTable;
  ds.stiffhpidx = 0;
  ds.stifflidx = 0;
  ds.stifftidx = 0;
  ds.stifffidx = 0;
  ds.ringtype = kTTable;

  // Material, geometry and loads.
  ds.emod = 210000.0f;
  ds.gM = 1.15;
  ds.beta = 1.0f;
  ds.stiffspacing = I(600);
  ds.ringspacing = I(3000);
  ds.stifflt = I(3000);
  ds.ringlt = 600.0f;
  ds.cylr = 3333.0f;
  ds.cyll = I(6000);
  ds.cylt = I(20);
  ds.Sigx = I(-100);
  ds.pd = -0.3f;
  ds.Sigy = -10.0f;
  ds.Tau = 40.0f;
  ds.naxial = I(-1000);
  ds.M1a = I(-200);
  ds.M1b = I(100);
  ds.M2a = I(-100);
  ds.M2b = 100.0f;
  ds.k1 = 1.0;
  ds.k2 = 1.0f;
  ds.tmat = 12.0f;

  // Profiles: the current stiffener and its built-up sets.
  ds.hs = I(200);
  ds.bs = I(90);
  ds.tws = I(9);
  ds.tfs = 12.0f;
  ds.stifflb_h = I(200);
  ds.stifflb_b = I(90);
  ds.stifflb_tw = I(9);
  ds.stifflb_tf = 12.0f;
  ds.stifftb_h = I(200);
  ds.stifftb_b = I(90);
  ds.stifftb_tw = I(9);
  ds.stifftb_tf = 12.0f;
  ds.stifffb_h = I(100);
  ds.stifffb_tw = 10.0f;
  ds.stiffrhs_h = I(200);
  ds.stiffrhs_b = I(90);
  ds.stiffrhs_tw = 9.0f;
  ds.stiffusp_h = I(200);
  ds.stiffusp_b = I(90);
  ds.stiffusp_a = I(50);
  ds.stiffusp_tw = 9.0f;
  ds.stiffib_h = I(200);
  ds.stiffib_b = I(90);
  ds.stiffib_tw = I(9);
  ds.stiffib_tf = 12.0f;
  ds.cs = I(1);
  ds.Ros = I(10);

  // The current ring frame and its built-up sets (its flat bar is 200 x 9,
  // the stiffener's 100 x 10).
  ds.hg = I(200);
  ds.bg = I(90);
  ds.twg = I(9);
  ds.tfg = 12.0f;
  ds.girdlb_h = I(200);
  ds.girdlb_b = I(90);
  ds.girdlb_tw = I(9);
  ds.girdlb_tf = 12.0f;
  ds.girdtb_h = I(200);
  ds.girdtb_b = I(90);
  ds.girdtb_tw = I(9);
  ds.girdtb_tf = 12.0f;
  ds.girdfb_h = I(200);
  ds.girdfb_tw = 9.0f;
  ds.girdrhs_h = I(200);
  ds.girdrhs_b = I(90);
  ds.girdrhs_tw = 9.0f;
  ds.girdusp_h = I(200);
  ds.girdusp_b = I(90);
  ds.girdusp_a = I(50);
  ds.girdusp_tw = 9.0f;
  ds.girdib_h = I(200);
  ds.girdib_b = I(90);
  ds.girdib_tw = I(9);
  ds.girdib_tf = 12.0f;
  ds.cg = I(1);
  ds.Rog = I(10);
}

}  // namespace tamrel
