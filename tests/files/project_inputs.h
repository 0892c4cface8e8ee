#pragma once
// What a project file carries, by kind, and its lines: shared by the
// project-file tests and the fuzz targets (no test framework here).

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "calc/design_state.h"

namespace tamrel::testing {

// The lines of a file, without their CR LF.
inline std::vector<std::string> SplitCrLf(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find("\r\n", start);
    if (end == std::string::npos) end = text.size();
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

inline std::string JoinCrLf(const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& l : lines) text += l + "\r\n";
  return text;
}

using D = DesignState;

// The variables a project file carries, by kind.
struct FileInputs {
  std::vector<std::pair<const char*, std::string D::*>> texts{{"proj", &D::proj},
                                                              {"ident", &D::ident}};
  std::vector<std::pair<const char*, std::int16_t D::*>> integers{
      {"matp", &D::matp},           {"mats", &D::mats},           {"matg", &D::matg},
      {"lrfd", &D::lrfd},           {"cyltype", &D::cyltype},     {"outside", &D::outside},
      {"stiffnote", &D::stiffnote}, {"ring", &D::ring},           {"ih", &D::ih},
      {"ringfab", &D::ringfab},     {"stifftype", &D::stifftype}, {"stiffhpidx", &D::stiffhpidx},
      {"stifflidx", &D::stifflidx}, {"stifftidx", &D::stifftidx}, {"stifffidx", &D::stifffidx},
      {"ringtype", &D::ringtype},   {"girdhpidx", &D::girdhpidx}, {"girdlidx", &D::girdlidx},
      {"girdtidx", &D::girdtidx},   {"girdfidx", &D::girdfidx},   {"hring", &D::hring},
      {"extraopt", &D::extraopt},   {"odmom", &D::odmom},         {"fileverin", &D::fileverin}};
  std::vector<std::pair<const char*, float D::*>> singles{
      {"emod", &D::emod}, {"ringlt", &D::ringlt}, {"cylr", &D::cylr}, {"Sigy", &D::Sigy},
      {"Tau", &D::Tau},   {"pd", &D::pd},         {"tfs", &D::tfs},   {"tfg", &D::tfg},
      {"M2b", &D::M2b},   {"k2", &D::k2}};
  std::vector<std::pair<const char*, Variant D::*>> numbers{{"fyp", &D::fyp},
                                                            {"fys", &D::fys},
                                                            {"fyg", &D::fyg},
                                                            {"UF", &D::UF},
                                                            {"stiffspacing", &D::stiffspacing},
                                                            {"ringspacing", &D::ringspacing},
                                                            {"stifflt", &D::stifflt},
                                                            {"cyll", &D::cyll},
                                                            {"cylt", &D::cylt},
                                                            {"Sigx", &D::Sigx},
                                                            {"hs", &D::hs},
                                                            {"bs", &D::bs},
                                                            {"cs", &D::cs},
                                                            {"tws", &D::tws},
                                                            {"hg", &D::hg},
                                                            {"bg", &D::bg},
                                                            {"cg", &D::cg},
                                                            {"twg", &D::twg},
                                                            {"naxial", &D::naxial},
                                                            {"M1a", &D::M1a},
                                                            {"M2a", &D::M2a},
                                                            {"M1b", &D::M1b},
                                                            {"k1", &D::k1}};
};

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
