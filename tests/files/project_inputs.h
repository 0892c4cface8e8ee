#pragma once
// What a project file carries, by kind, and its lines: shared by the
// project-file tests and the fuzz targets (no test framework here).

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "calc/built_up_sets.h"
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

}  // namespace tamrel::testing
