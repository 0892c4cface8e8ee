#include "dialogs/dialog_catalogue.h"

#include "calc/design_state.h"
#include "calc/format.h"

namespace tamrel {

const MemberVars& VarsOf(Member m) {
  using D = DesignState;
  static const MemberVars stiff{Member::Stiffener, &D::stiffclass, &D::stifftype};
  static const MemberVars ring{Member::RingFrame, &D::girdclass, &D::ringtype};
  return m == Member::Stiffener ? stiff : ring;
}

namespace {

using D = DesignState;
using Q = Quantity;
constexpr Member kStiff = Member::Stiffener;
constexpr Member kRing = Member::RingFrame;

// ---- Rows of the profile frame ----

const RowEntry kRowG{"g =", "stg", Q::g, "##0.0", " kg/m"};
const RowEntry kRowA{"Ax =", "sta", Q::A, "##0", " mm2"};
const RowEntry kRowIy{"Iy =", "stiy", Q::Iy, "0.000E+0", " mm4"};
const RowEntry kRowIz{"Iz =", "stiz", Q::Iz, "0.000E+0", " mm4"};

const std::vector<RowEntry> kAngleOrTeeRows{{"H =", "sth", Q::H, "##0", " mm"},
                                            {"B =", "stb", Q::B, "##0", " mm"},
                                            {"tw =", "sttw", Q::tw, "##0.0", " mm"},
                                            {"tf =", "sttf", Q::tf, "##0.0", " mm"},
                                            kRowG,
                                            kRowA,
                                            kRowIy,
                                            kRowIz};
const std::vector<RowEntry> kFlatbarRows{{"H =", "sth", Q::H, "##0", " mm"},
                                         {"tw =", "sttw", Q::tw, "##0.0", " mm"},
                                         kRowG,
                                         kRowA,
                                         kRowIy};
// A bulb flat shows the bulb (c, r) and the flange of its equivalent angle (B, tf).
const std::vector<RowEntry> kBulbFlatRows{{"H =", "sth", Q::H, "##0", " mm"},
                                          {"tw =", "sttw", Q::tw, "##0.0", " mm"},
                                          {"c =", "stc", Q::c, "##0.0", " mm"},
                                          {"r =", "strr", Q::r, "##0.0", " mm"},
                                          {"B =", "stb", Q::B, "##0.0", " mm"},
                                          {"tf =", "sttf", Q::tf, "##0.0", " mm"},
                                          kRowG,
                                          kRowA,
                                          kRowIy,
                                          kRowIz};

ProfileSketch Sketch(Member m, int code) {
  return SketchForProfile(m == kRing, code);
}

DialogEntry Dlg(const char* name, Member m, std::int16_t code, const char* caption, float f, int w,
                int h, Shape shape, const char* frameCaption) {
  return {name,
          m,
          code,
          caption,
          f,
          w,
          h,
          shape,
          shape == Shape::BulbFlat ? "Frame5" : "Frame3",
          frameCaption,
          Sketch(m, code)};
}

// ---- The eight rolled-section dialogs ----

std::vector<RolledEntry> MakeRolled() {
  std::vector<RolledEntry> v;
  // name, member, code, caption, f, size; table, row, prefix, columns, section on pick,
  // OK recalculates, OK first in tab order, width from frame, rows.
  v.push_back({Dlg("stiffl", kStiff, kLTable, "Stiffener:  L-table", 0.2f, 6240, 5880,
                   Shape::AngleOrTee, "Stiffener"),
               &D::lprof, &D::stifflidx, "L", 4, false, true, false, false, kAngleOrTeeRows});
  v.push_back({Dlg("stifft", kStiff, kTTable, "Stiffener: T-table", 0.4f, 6150, 5730,
                   Shape::AngleOrTee, "Stiffener"),
               &D::tprof, &D::stifftidx, "T", 4, true, true, false, false, kAngleOrTeeRows});
  v.push_back({Dlg("stifff", kStiff, kFlatbarTable, "Stiffener:  Flatbar-table", 0.6f, 6285, 5025,
                   Shape::Flatbar, "Stiffener"),
               &D::fprof, &D::stifffidx, "Fb", 2, false, true, true, true, kFlatbarRows});
  v.push_back({Dlg("stiffhp", kStiff, kBulbFlat, "Stiffener: Bulb Flat", 0.8f, 6105, 6060,
                   Shape::BulbFlat, "Stiffener"),
               &D::bfprof, &D::stiffhpidx, "BF ", 2, false, true, false, false, kBulbFlatRows});
  v.push_back({Dlg("girdl", kRing, kLTable, "Ringframe:  L-table", 0.2f, 6105, 5865,
                   Shape::AngleOrTee, "Profile"),
               &D::lprof, &D::girdlidx, "L", 4, false, false, false, false, kAngleOrTeeRows});
  v.push_back({Dlg("girdt", kRing, kTTable, "Ringframe: T-table", 0.4f, 6300, 5715,
                   Shape::AngleOrTee, "Profile"),
               &D::tprof, &D::girdtidx, "T", 4, false, true, false, false, kAngleOrTeeRows});
  v.push_back({Dlg("girdf", kRing, kFlatbarTable, "Ringframe: Flatbar-table", 0.6f, 6075, 5025,
                   Shape::Flatbar, "Profile"),
               &D::fprof, &D::girdfidx, "Fb", 2, false, true, true, false, kFlatbarRows});
  v.push_back({Dlg("girdhp", kRing, kBulbFlat, "Ringframe: Bulb Flat", 0.8f, 6315, 6000,
                   Shape::BulbFlat, "Profile"),
               &D::bfprof, &D::girdhpidx, "BF ", 2, false, true, false, false, kBulbFlatRows});
  return v;
}

// ---- The twelve built-up dialogs ----

// The boxes of a built-up dialog: its member's set of the type, top to bottom.
std::vector<BoxEntry> Boxes(Member m, std::int16_t code) {
  std::vector<BoxEntry> boxes;
  for (const StateVar* v : BuiltUpSetOf(m, code)) {
    const SetBox& b = v->box;
    boxes.push_back(
        {v->quantity, b.control, b.caption, v->ref, b.pattern, b.limit, b.message, b.setBack});
  }
  return boxes;
}

const std::vector<Quantity> kHBTwTf{Q::H, Q::B, Q::tw, Q::tf};
const std::vector<Quantity> kHTw{Q::H, Q::tw};
const std::vector<Quantity> kHBTw{Q::H, Q::B, Q::tw};
const std::vector<Quantity> kHB{Q::H, Q::B};
const std::vector<Quantity> kH{Q::H};
const std::vector<Quantity> kHBA{Q::H, Q::B, Q::a};
const std::vector<Quantity> kNone{};

std::vector<BuiltUpEntry> MakeBuiltUp() {
  std::vector<BuiltUpEntry> v;
  // Stiffener dialogs: H and B stay when too small; OK reads the boxes, closes and recalculates.
  v.push_back({Dlg("stifflb", kStiff, kLBuiltUp, "Stiffener: L-built-up", 0.3f, 6195, 5715,
                   Shape::AngleOrTee, "Stiffener"),
               Boxes(kStiff, kLBuiltUp), kHBTwTf, kHB, true, true});
  v.push_back({Dlg("stifftb", kStiff, kTBuiltUp, "Stiffener: T-built-up", 0.5f, 6180, 5715,
                   Shape::AngleOrTee, "Stiffener"),
               Boxes(kStiff, kTBuiltUp), kHBTwTf, kHB, true, false});
  v.push_back({Dlg("stifffb", kStiff, kFlatbarBuiltUp, "Stiffener: Flatbar-built-up", 0.7f, 6225,
                   5250, Shape::Flatbar, "Stiffener"),
               Boxes(kStiff, kFlatbarBuiltUp), kHTw, kH, true, false});
  v.push_back(
      {Dlg("stiffrhs", kStiff, kRHS, "Stiffener:  RHS", 0.9f, 5475, 5190, Shape::RHS, "Girder"),
       Boxes(kStiff, kRHS), kHBTw, kHB, true, false});
  v.push_back({Dlg("stiffusp", kStiff, kTrapezProfile, "Stiffener: Trapez-profile", 1.0f, 5640,
                   5595, Shape::Trapezoid, "Stiffener"),
               Boxes(kStiff, kTrapezProfile), kHBTw, kHB, true, false});
  v.push_back({Dlg("stiffib", kStiff, kIBuiltUp, "Stiffener: I-built-up", 0.5f, 6180, 5715,
                   Shape::IBeam, "Stiffener"),
               Boxes(kStiff, kIBuiltUp), kHBTwTf, kHB, true, false});
  // Ring-frame dialogs: H and B set back to 5; OK reads nothing before closing.
  v.push_back({Dlg("girdlb", kRing, kLBuiltUp, "Ringframe: L-built-up", 0.3f, 6240, 5820,
                   Shape::AngleOrTee, "Profile"),
               Boxes(kRing, kLBuiltUp), kNone, kHB, false, false});
  v.push_back({Dlg("girdtb", kRing, kTBuiltUp, "Ringframe: T-built-up", 0.5f, 6240, 5760,
                   Shape::AngleOrTee, "Profile"),
               Boxes(kRing, kTBuiltUp), kNone, kHB, false, false});
  v.push_back({Dlg("girdfb", kRing, kFlatbarBuiltUp, "Ringframe: Flatbar-built-up", 0.7f, 6075,
                   5205, Shape::Flatbar, "Profile"),
               Boxes(kRing, kFlatbarBuiltUp), kNone, kH, true, false});
  v.push_back(
      {Dlg("girdrhs", kRing, kRHS, "Ringframe: RHS", 0.9f, 5625, 5175, Shape::RHS, "Profile"),
       Boxes(kRing, kRHS), kNone, kHB, true, false});
  v.push_back({Dlg("girdusp", kRing, kTrapezProfile, "Ringframe: Trapez-profile", 1.0f, 5550, 5670,
                   Shape::Trapezoid, "Stiffener"),
               Boxes(kRing, kTrapezProfile), kNone, kHBA, true, false});
  v.push_back({Dlg("girdib", kRing, kIBuiltUp, "Ringframe: I-built-up", 0.5f, 6240, 5760,
                   Shape::IBeam, "Profile"),
               Boxes(kRing, kIBuiltUp), kNone, kHB, false, false});
  return v;
}

}  // namespace

const ReadBackCheck& ReadBackCheckOf(Quantity q) {
  // OK and closing check the thicknesses against 1 mm and write B and a
  // with one decimal.
  static const ReadBackCheck h{"##0", 5, " H >= 5 "};
  static const ReadBackCheck b{"##0.0", 5, " B >= 5 "};
  static const ReadBackCheck tw{"##0.0", 1, " tw >= 1 "};
  static const ReadBackCheck tf{"##0.0", 1, " tf >= 1 "};
  static const ReadBackCheck a{"##0.0", 0, " a >= 0 "};
  switch (q) {
    case Q::B: return b;
    case Q::tw: return tw;
    case Q::tf: return tf;
    case Q::a: return a;
    default: return h;
  }
}

const char* BoxDisplayPattern(Quantity q) {
  return (q == Q::tw || q == Q::tf) ? "##0.0" : "##0";
}

std::vector<RowEntry> PropertyRows(Shape shape) {
  if (shape == Shape::Flatbar || shape == Shape::RHS || shape == Shape::Trapezoid) {
    return {kRowG, kRowA, kRowIy};
  }
  return {kRowG, kRowA, kRowIy, kRowIz};
}

std::vector<ClassLabel> ClassLabels(Shape shape, Member member) {
  const bool ring = member == kRing;
  switch (shape) {
    case Shape::AngleOrTee:
    case Shape::IBeam:
      if (ring) {
        return {{"webclass1", 1, false},
                {"webclass2", 2, false},
                {"flangeclass1", 3, true},
                {"flangeclass2", 4, true}};
      }
      return {{"webclass", 1, false}, {"flangeclass", 2, true}};
    case Shape::Flatbar:
      if (ring) return {{"webclass1", 1, false}};
      return {{"webclass", 1, false}};
    case Shape::BulbFlat:
      if (ring) return {{"webclass1", 1, false}, {"webclass2", 2, false}};
      return {{"webclass", 1, false}};
    case Shape::RHS:
    case Shape::Trapezoid: return {};
  }
  return {};
}

const std::vector<RolledEntry>& RolledDialogs() {
  static const std::vector<RolledEntry> v = MakeRolled();
  return v;
}

const std::vector<BuiltUpEntry>& BuiltUpDialogs() {
  static const std::vector<BuiltUpEntry> v = MakeBuiltUp();
  return v;
}

const RolledEntry* FindRolled(Member member, int code) {
  for (const RolledEntry& s : RolledDialogs()) {
    if (s.d.member == member && s.d.code == code) return &s;
  }
  return nullptr;
}

const BuiltUpEntry* FindBuiltUp(Member member, int code) {
  for (const BuiltUpEntry& s : BuiltUpDialogs()) {
    if (s.d.member == member && s.d.code == code) return &s;
  }
  return nullptr;
}

const DialogEntry* FindDialog(Member member, int code) {
  if (const RolledEntry* r = FindRolled(member, code)) return &r->d;
  if (const BuiltUpEntry* b = FindBuiltUp(member, code)) return &b->d;
  return nullptr;
}

const std::array<const char*, 20>& UnloadOrder() {
  static const std::array<const char*, 20> order{
      "stifff", "stifffb", "stiffhp",  "stiffib", "stiffl", "stifflb", "stiffrhs",
      "stifft", "stifftb", "stiffusp", "girdf",   "girdfb", "girdhp",  "girdib",
      "girdl",  "girdlb",  "girdrhs",  "girdt",   "girdtb", "girdusp"};
  return order;
}

}  // namespace tamrel
