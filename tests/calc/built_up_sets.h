#pragma once
// The remembered built-up sets of the design state, per member and profile
// type: shared by the core's section tests, the project-file tests and the
// fuzz targets (no test framework here).

#include <cstdint>
#include <vector>

#include "calc/design_state.h"

namespace tamrel::testing {

using D = DesignState;

// The remembered built-up sets, per member and type: variants, then the
// last (single) dimension.
struct BuiltUpSet {
  const char* name;
  std::int16_t type;
  std::vector<Variant D::*> variants;
  float D::*last;
};

inline const std::vector<BuiltUpSet>& StiffenerSets() {
  static const std::vector<BuiltUpSet> sets{
      {"stifflb", kLBuiltUp, {&D::stifflb_h, &D::stifflb_b, &D::stifflb_tw}, &D::stifflb_tf},
      {"stifftb", kTBuiltUp, {&D::stifftb_h, &D::stifftb_b, &D::stifftb_tw}, &D::stifftb_tf},
      {"stifffb", kFlatbarBuiltUp, {&D::stifffb_h}, &D::stifffb_tw},
      {"stiffrhs", kRHS, {&D::stiffrhs_h, &D::stiffrhs_b}, &D::stiffrhs_tw},
      {"stiffusp",
       kTrapezProfile,
       {&D::stiffusp_h, &D::stiffusp_b, &D::stiffusp_a},
       &D::stiffusp_tw},
      {"stiffib", kIBuiltUp, {&D::stiffib_h, &D::stiffib_b, &D::stiffib_tw}, &D::stiffib_tf}};
  return sets;
}

inline const std::vector<BuiltUpSet>& RingSets() {
  static const std::vector<BuiltUpSet> sets{
      {"girdlb", kLBuiltUp, {&D::girdlb_h, &D::girdlb_b, &D::girdlb_tw}, &D::girdlb_tf},
      {"girdtb", kTBuiltUp, {&D::girdtb_h, &D::girdtb_b, &D::girdtb_tw}, &D::girdtb_tf},
      {"girdfb", kFlatbarBuiltUp, {&D::girdfb_h}, &D::girdfb_tw},
      {"girdrhs", kRHS, {&D::girdrhs_h, &D::girdrhs_b}, &D::girdrhs_tw},
      {"girdusp", kTrapezProfile, {&D::girdusp_h, &D::girdusp_b, &D::girdusp_a}, &D::girdusp_tw},
      {"girdib", kIBuiltUp, {&D::girdib_h, &D::girdib_b, &D::girdib_tw}, &D::girdib_tf}};
  return sets;
}

}  // namespace tamrel::testing
