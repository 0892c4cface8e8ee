#include "calc/window.h"

namespace tamrel {

const char* ProfileIconName(ProfileIcon icon) {
  switch (icon) {
    case ProfileIcon::stiff_l: return "ico_stiff_l";
    case ProfileIcon::stiff_t: return "ico_stiff_t";
    case ProfileIcon::stiff_f: return "ico_stiff_f";
    case ProfileIcon::stiff_hp: return "ico_stiff_hp";
    case ProfileIcon::stiff_rhs: return "ico_stiff_rhs";
    case ProfileIcon::stiff_u: return "ico_stiff_u";
    case ProfileIcon::stiff_i: return "ico_stiff_i";
    case ProfileIcon::gird_l: return "ico_gird_l";
    case ProfileIcon::gird_t: return "ico_gird_t";
    case ProfileIcon::gird_f: return "ico_gird_f";
    case ProfileIcon::gird_hp: return "ico_gird_hp";
    case ProfileIcon::gird_rhs: return "ico_gird_rhs";
    case ProfileIcon::gird_u: return "ico_gird_u";
    case ProfileIcon::gird_i: return "ico_gird_i";
  }
  return "";
}

}  // namespace tamrel
