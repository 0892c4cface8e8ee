#pragma once
// The design-state inputs by name, for the golden-results tool's
// name=value settings.

#include <cstdint>
#include <map>
#include <string>
#include <variant>

#include "calc/design_state.h"

namespace tamrel::tools {

using VarRef = std::variant<Variant DesignState::*, float DesignState::*,
                            std::int16_t DesignState::*, std::string DesignState::*>;

inline const std::map<std::string, VarRef>& InputVariables() {
  using D = DesignState;
  static const std::map<std::string, VarRef> vars = {
      {"proj", &D::proj}, {"ident", &D::ident}, {"cyltype", &D::cyltype}, {"lrfd", &D::lrfd},
      {"UF", &D::UF}, {"ring", &D::ring}, {"hring", &D::hring}, {"outside", &D::outside},
      {"ih", &D::ih}, {"ringfab", &D::ringfab}, {"odmom", &D::odmom},
      {"cylr", &D::cylr}, {"cylt", &D::cylt}, {"ringspacing", &D::ringspacing},
      {"stiffspacing", &D::stiffspacing}, {"cyll", &D::cyll}, {"stifflt", &D::stifflt},
      {"ringlt", &D::ringlt}, {"Sigx", &D::Sigx}, {"Sigy", &D::Sigy}, {"Tau", &D::Tau},
      {"pd", &D::pd}, {"naxial", &D::naxial}, {"M1a", &D::M1a}, {"M1b", &D::M1b},
      {"M2a", &D::M2a}, {"M2b", &D::M2b}, {"k1", &D::k1}, {"k2", &D::k2}, {"emod", &D::emod},
      {"matp", &D::matp}, {"mats", &D::mats}, {"matg", &D::matg}, {"fyp", &D::fyp},
      {"fys", &D::fys}, {"fyg", &D::fyg}, {"stifftype", &D::stifftype},
      {"ringtype", &D::ringtype}, {"stifflidx", &D::stifflidx}, {"stifftidx", &D::stifftidx},
      {"stifffidx", &D::stifffidx}, {"stiffhpidx", &D::stiffhpidx}, {"girdlidx", &D::girdlidx},
      {"girdtidx", &D::girdtidx}, {"girdfidx", &D::girdfidx}, {"girdhpidx", &D::girdhpidx},
      {"stifflb_h", &D::stifflb_h}, {"stifflb_b", &D::stifflb_b},
      {"stifflb_tw", &D::stifflb_tw}, {"stifflb_tf", &D::stifflb_tf},
      {"stifftb_h", &D::stifftb_h}, {"stifftb_b", &D::stifftb_b},
      {"stifftb_tw", &D::stifftb_tw}, {"stifftb_tf", &D::stifftb_tf},
      {"stifffb_h", &D::stifffb_h}, {"stifffb_tw", &D::stifffb_tw},
      {"stiffrhs_h", &D::stiffrhs_h}, {"stiffrhs_b", &D::stiffrhs_b},
      {"stiffrhs_tw", &D::stiffrhs_tw}, {"stiffusp_h", &D::stiffusp_h},
      {"stiffusp_b", &D::stiffusp_b}, {"stiffusp_a", &D::stiffusp_a},
      {"stiffusp_tw", &D::stiffusp_tw}, {"stiffib_h", &D::stiffib_h},
      {"stiffib_b", &D::stiffib_b}, {"stiffib_tw", &D::stiffib_tw},
      {"stiffib_tf", &D::stiffib_tf}, {"girdlb_h", &D::girdlb_h}, {"girdlb_b", &D::girdlb_b},
      {"girdlb_tw", &D::girdlb_tw}, {"girdlb_tf", &D::girdlb_tf}, {"girdtb_h", &D::girdtb_h},
      {"girdtb_b", &D::girdtb_b}, {"girdtb_tw", &D::girdtb_tw}, {"girdtb_tf", &D::girdtb_tf},
      {"girdfb_h", &D::girdfb_h}, {"girdfb_tw", &D::girdfb_tw}, {"girdrhs_h", &D::girdrhs_h},
      {"girdrhs_b", &D::girdrhs_b}, {"girdrhs_tw", &D::girdrhs_tw},
      {"girdusp_h", &D::girdusp_h}, {"girdusp_b", &D::girdusp_b},
      {"girdusp_a", &D::girdusp_a}, {"girdusp_tw", &D::girdusp_tw},
      {"girdib_h", &D::girdib_h}, {"girdib_b", &D::girdib_b}, {"girdib_tw", &D::girdib_tw},
      {"girdib_tf", &D::girdib_tf}, {"hs", &D::hs}, {"bs", &D::bs}, {"tws", &D::tws},
      {"tfs", &D::tfs}, {"cs", &D::cs}, {"Ros", &D::Ros}, {"hg", &D::hg}, {"bg", &D::bg},
      {"twg", &D::twg}, {"tfg", &D::tfg}, {"cg", &D::cg}, {"Rog", &D::Rog},
      {"decflag", &D::decflag},
  };
  return vars;
}

}  // namespace tamrel::tools
