#include "calc/state_vars.h"

#include <algorithm>
#include <array>

namespace tamrel {

namespace {

using D = DesignState;
using Q = Quantity;
constexpr Member kStiff = Member::Stiffener;
constexpr Member kRing = Member::RingFrame;

constexpr Variant I(std::int16_t v) {
  return Variant::Int(v);
}
constexpr Variant kKeep{};  // a New leaves the variable as it is

// A numeric variable; line 0 when the project file does not hold it.
constexpr StateVar Var(const char* name, VarRef ref, Variant init, int line = 0) {
  return {.name = name, .ref = ref, .init = init, .fileLine = line};
}
constexpr StateVar Text(const char* name, std::string D::*text, const char* init, int line) {
  return {.name = name, .text = text, .initText = init, .fileLine = line};
}

// Dialog boxes of the built-up sets. Lower limits: H and B 5, thicknesses
// 0.1, a 0. Ring-frame dialogs set a too-small H or B back to 5, every
// dialog a too-small thickness back to 0.1; a negative a stays.
constexpr Variant BackOfHB(Member m) {
  return m == kRing ? I(5) : kKeep;
}
constexpr SetBox BoxH(Member m) {
  return {"isth", "H =", "##0", 5, " H >= 5 ", BackOfHB(m)};
}
constexpr SetBox BoxB(Member m, const char* pattern) {
  return {"istb", "B =", pattern, 5, " B >= 5 ", BackOfHB(m)};
}
constexpr SetBox BoxA() {
  return {"ista", "a =", "##0", 0, " a >= 0 ", kKeep};
}
constexpr SetBox BoxTw() {
  return {"isttw", "tw =", "##0.0", 0.1, " tw >= 0.1 ", Variant(0.1)};
}
constexpr SetBox BoxTf() {
  return {"isttf", "tf =", "##0.0", 0.1, " tf >= 0.1 ", Variant(0.1)};
}

// A dimension of the built-up set of a member and profile type.
constexpr StateVar Dim(const char* name, VarRef ref, Variant init, Member m, std::int16_t type,
                       Quantity q, SetBox box) {
  return {.name = name,
          .ref = ref,
          .init = init,
          .setType = type,
          .member = m,
          .quantity = q,
          .box = box};
}

// Project-file variables by line (the third dimension comes before tw on
// lines 40-44 and 45-49, the moments run M1a, M2a, M1b, M2b on 53-56), then
// the other inputs with a new-project value, then the built-up sets (each
// set's dimensions top to bottom as its dialog shows them).
constexpr StateVar kVars[] = {
    Var("filever", &D::filever, I(170), kVersionLine),
    Text("proj", &D::proj, "Project", 2),
    Text("ident", &D::ident, "Test", 3),
    Var("matp", &D::matp, I(2), 4),
    Var("mats", &D::mats, I(2), 5),
    Var("matg", &D::matg, I(2), 6),
    // Yield strengths survive a New (they follow the grades).
    Var("fyp", &D::fyp, kKeep, 7),
    Var("fys", &D::fys, kKeep, 8),
    Var("fyg", &D::fyg, kKeep, 9),
    Var("lrfd", &D::lrfd, I(kLRFD), 10),
    Var("UF", &D::UF, I(1), 11),
    Var("cyltype", &D::cyltype, I(kStringerStiffened), 12),
    Var("outside", &D::outside, I(0), 13),
    Var("stiffnote", &D::stiffnote, I(1), 14),
    Var("ring", &D::ring, I(1), 15),
    Var("ih", &D::ih, I(0), 16),
    Var("ringfab", &D::ringfab, I(kFabricated), 17),
    Var("stifftype", &D::stifftype, I(kLTable), 18),
    Var("stiffhpidx", &D::stiffhpidx, I(0), 19),
    Var("stifflidx", &D::stifflidx, I(0), 20),
    Var("stifftidx", &D::stifftidx, I(0), 21),
    Var("stifffidx", &D::stifffidx, I(0), 22),
    Var("ringtype", &D::ringtype, I(kTTable), 23),
    // The ring frame's table rows survive a New.
    Var("girdhpidx", &D::girdhpidx, kKeep, 24),
    Var("girdlidx", &D::girdlidx, kKeep, 25),
    Var("girdtidx", &D::girdtidx, kKeep, 26),
    Var("girdfidx", &D::girdfidx, kKeep, 27),
    Var("emod", &D::emod, 210000.0f, 28),
    Var("stiffspacing", &D::stiffspacing, I(600), 29),
    Var("ringspacing", &D::ringspacing, I(3000), 30),
    Var("stifflt", &D::stifflt, I(3000), 31),
    Var("ringlt", &D::ringlt, 600.0f, 32),
    Var("cyll", &D::cyll, I(6000), 33),
    Var("cylr", &D::cylr, 3333.0f, 34),
    Var("cylt", &D::cylt, I(20), 35),
    Var("Sigx", &D::Sigx, I(-100), 36),
    Var("Sigy", &D::Sigy, -10.0f, 37),
    Var("Tau", &D::Tau, 40.0f, 38),
    Var("pd", &D::pd, -0.3f, 39),
    Var("hs", &D::hs, I(200), 40),
    Var("bs", &D::bs, I(90), 41),
    Var("cs", &D::cs, I(1), 42),
    Var("tws", &D::tws, I(9), 43),
    Var("tfs", &D::tfs, 12.0f, 44),
    Var("hg", &D::hg, I(200), 45),
    Var("bg", &D::bg, I(90), 46),
    Var("cg", &D::cg, I(1), 47),
    Var("twg", &D::twg, I(9), 48),
    Var("tfg", &D::tfg, 12.0f, 49),
    Var("hring", &D::hring, I(0), 50),
    Var("extraopt", &D::extraopt, I(0), 51),
    Var("naxial", &D::naxial, I(-1000), 52),
    Var("M1a", &D::M1a, I(-200), 53),
    Var("M2a", &D::M2a, I(-100), 54),
    Var("M1b", &D::M1b, I(100), 55),
    Var("M2b", &D::M2b, 100.0f, 56),
    Var("k1", &D::k1, 1.0, 57),
    Var("k2", &D::k2, 1.0f, 58),
    Var("odmom", &D::odmom, I(kMaximumMoment), 59),

    Var("gM", &D::gM, 1.15),
    Var("beta", &D::beta, 1.0f),
    Var("tmat", &D::tmat, 12.0f),
    Var("Ros", &D::Ros, I(10)),
    Var("Rog", &D::Rog, I(10)),
    Var("decflag", &D::decflag, kKeep),  // set from the locale, not by a New

    // The stiffener's built-up sets.
    Dim("stifflb_h", &D::stifflb_h, I(200), kStiff, kLBuiltUp, Q::H, BoxH(kStiff)),
    Dim("stifflb_b", &D::stifflb_b, I(90), kStiff, kLBuiltUp, Q::B, BoxB(kStiff, "##0.0")),
    Dim("stifflb_tw", &D::stifflb_tw, I(9), kStiff, kLBuiltUp, Q::tw, BoxTw()),
    Dim("stifflb_tf", &D::stifflb_tf, 12.0f, kStiff, kLBuiltUp, Q::tf, BoxTf()),
    Dim("stifftb_h", &D::stifftb_h, I(200), kStiff, kTBuiltUp, Q::H, BoxH(kStiff)),
    Dim("stifftb_b", &D::stifftb_b, I(90), kStiff, kTBuiltUp, Q::B, BoxB(kStiff, "##0")),
    Dim("stifftb_tw", &D::stifftb_tw, I(9), kStiff, kTBuiltUp, Q::tw, BoxTw()),
    Dim("stifftb_tf", &D::stifftb_tf, 12.0f, kStiff, kTBuiltUp, Q::tf, BoxTf()),
    Dim("stifffb_h", &D::stifffb_h, I(100), kStiff, kFlatbarBuiltUp, Q::H, BoxH(kStiff)),
    Dim("stifffb_tw", &D::stifffb_tw, 10.0f, kStiff, kFlatbarBuiltUp, Q::tw, BoxTw()),
    Dim("stiffrhs_h", &D::stiffrhs_h, I(200), kStiff, kRHS, Q::H, BoxH(kStiff)),
    Dim("stiffrhs_b", &D::stiffrhs_b, I(90), kStiff, kRHS, Q::B, BoxB(kStiff, "##0")),
    Dim("stiffrhs_tw", &D::stiffrhs_tw, 9.0f, kStiff, kRHS, Q::tw, BoxTw()),
    Dim("stiffusp_h", &D::stiffusp_h, I(200), kStiff, kTrapezProfile, Q::H, BoxH(kStiff)),
    Dim("stiffusp_b", &D::stiffusp_b, I(90), kStiff, kTrapezProfile, Q::B, BoxB(kStiff, "##0")),
    Dim("stiffusp_a", &D::stiffusp_a, I(50), kStiff, kTrapezProfile, Q::a, BoxA()),
    Dim("stiffusp_tw", &D::stiffusp_tw, 9.0f, kStiff, kTrapezProfile, Q::tw, BoxTw()),
    Dim("stiffib_h", &D::stiffib_h, I(200), kStiff, kIBuiltUp, Q::H, BoxH(kStiff)),
    Dim("stiffib_b", &D::stiffib_b, I(90), kStiff, kIBuiltUp, Q::B, BoxB(kStiff, "##0")),
    Dim("stiffib_tw", &D::stiffib_tw, I(9), kStiff, kIBuiltUp, Q::tw, BoxTw()),
    Dim("stiffib_tf", &D::stiffib_tf, 12.0f, kStiff, kIBuiltUp, Q::tf, BoxTf()),

    // The ring frame's built-up sets (its flat bar is 200 x 9, the stiffener's 100 x 10).
    Dim("girdlb_h", &D::girdlb_h, I(200), kRing, kLBuiltUp, Q::H, BoxH(kRing)),
    Dim("girdlb_b", &D::girdlb_b, I(90), kRing, kLBuiltUp, Q::B, BoxB(kRing, "##0.0")),
    Dim("girdlb_tw", &D::girdlb_tw, I(9), kRing, kLBuiltUp, Q::tw, BoxTw()),
    Dim("girdlb_tf", &D::girdlb_tf, 12.0f, kRing, kLBuiltUp, Q::tf, BoxTf()),
    Dim("girdtb_h", &D::girdtb_h, I(200), kRing, kTBuiltUp, Q::H, BoxH(kRing)),
    Dim("girdtb_b", &D::girdtb_b, I(90), kRing, kTBuiltUp, Q::B, BoxB(kRing, "##0")),
    Dim("girdtb_tw", &D::girdtb_tw, I(9), kRing, kTBuiltUp, Q::tw, BoxTw()),
    Dim("girdtb_tf", &D::girdtb_tf, 12.0f, kRing, kTBuiltUp, Q::tf, BoxTf()),
    Dim("girdfb_h", &D::girdfb_h, I(200), kRing, kFlatbarBuiltUp, Q::H, BoxH(kRing)),
    Dim("girdfb_tw", &D::girdfb_tw, 9.0f, kRing, kFlatbarBuiltUp, Q::tw, BoxTw()),
    Dim("girdrhs_h", &D::girdrhs_h, I(200), kRing, kRHS, Q::H, BoxH(kRing)),
    Dim("girdrhs_b", &D::girdrhs_b, I(90), kRing, kRHS, Q::B, BoxB(kRing, "##0")),
    Dim("girdrhs_tw", &D::girdrhs_tw, 9.0f, kRing, kRHS, Q::tw, BoxTw()),
    Dim("girdusp_h", &D::girdusp_h, I(200), kRing, kTrapezProfile, Q::H, BoxH(kRing)),
    Dim("girdusp_b", &D::girdusp_b, I(90), kRing, kTrapezProfile, Q::B, BoxB(kRing, "##0")),
    Dim("girdusp_a", &D::girdusp_a, I(50), kRing, kTrapezProfile, Q::a, BoxA()),
    Dim("girdusp_tw", &D::girdusp_tw, 9.0f, kRing, kTrapezProfile, Q::tw, BoxTw()),
    Dim("girdib_h", &D::girdib_h, I(200), kRing, kIBuiltUp, Q::H, BoxH(kRing)),
    Dim("girdib_b", &D::girdib_b, I(90), kRing, kIBuiltUp, Q::B, BoxB(kRing, "##0")),
    Dim("girdib_tw", &D::girdib_tw, I(9), kRing, kIBuiltUp, Q::tw, BoxTw()),
    Dim("girdib_tf", &D::girdib_tf, 12.0f, kRing, kIBuiltUp, Q::tf, BoxTf()),
};

// Every line of the project file holds exactly one variable, and only a
// variable with a kind (or a text) is on a line.
constexpr bool EachLineOnce() {
  for (int line = 1; line <= kProjectFileLines; ++line) {
    int n = 0;
    for (const StateVar& v : kVars) {
      if (v.fileLine == line) ++n;
      if (v.fileLine != 0 && !v.ref && v.text == nullptr) return false;
      if (v.fileLine < 0 || v.fileLine > kProjectFileLines) return false;
    }
    if (n != 1) return false;
  }
  return true;
}
static_assert(EachLineOnce(), "each project-file line must hold one variable");

// A set's dimension is a number outside the project file, and no two of
// one set give the same quantity.
constexpr bool SetsSound() {
  for (const StateVar& v : kVars) {
    if (v.setType < 0) continue;
    if (!v.ref || v.fileLine != 0 || v.box.control == nullptr) return false;
    for (const StateVar& w : kVars) {
      if (&w != &v && w.setType == v.setType && w.member == v.member && w.quantity == v.quantity)
        return false;
    }
  }
  return true;
}
static_assert(SetsSound(), "a built-up set holds each quantity once");

}  // namespace

std::span<const StateVar> StateVars() {
  return kVars;
}

const StateVar* FindStateVar(std::string_view name) {
  const auto it = std::find_if(std::begin(kVars), std::end(kVars),
                               [name](const StateVar& v) { return name == v.name; });
  return it == std::end(kVars) ? nullptr : &*it;
}

std::vector<const StateVar*> BuiltUpSetOf(Member member, int type) {
  std::vector<const StateVar*> set;
  for (const StateVar& v : kVars) {
    if (v.setType >= 0 && v.setType == type && v.member == member) set.push_back(&v);
  }
  return set;
}

VarRef CurrentOf(Member member, Quantity q) {
  const bool ring = member == kRing;
  switch (q) {
    case Q::H: return ring ? &D::hg : &D::hs;
    case Q::B: return ring ? &D::bg : &D::bs;
    case Q::tw: return ring ? &D::twg : &D::tws;
    case Q::tf: return ring ? &D::tfg : &D::tfs;
    case Q::a:
    case Q::c: return ring ? &D::cg : &D::cs;
    case Q::r: return ring ? &D::Rog : &D::Ros;
    case Q::g: return ring ? &D::ggird : &D::gstiff;
    case Q::A: return ring ? &D::Ag : &D::As;
    case Q::Iy: return ring ? &D::Iyg : &D::Iys;
    case Q::Iz: return ring ? VarRef(&D::Izg) : VarRef(&D::Izs);
  }
  return {};
}

}  // namespace tamrel
