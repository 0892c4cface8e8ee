// Profile sections of the stiffener and the ring frame. One algorithm over
// two sets of design-state variables: the current dimensions are loaded from
// a row of a rolled-section table or from the remembered built-up set of the
// type, the yield strength is looked up at the larger plate thickness, the
// local-buckling limits are written, the main window gets the caption and
// icon, and the section properties are computed.

#include "calc/sections.h"

#include <cmath>
#include <limits>

#include "calc/fmt_util.h"
#include "calc/numeric.h"
#include "calc/sections_internal.h"
#include "calc/window.h"
#include "calc/yield.h"

namespace tamrel {

using detail::Positive;
using detail::ProfileGeometry;
using detail::SafeDiv;

namespace {

// The current dimensions of one member, and where its properties go.
struct Member {
  Variant& H;
  Variant& B;
  Variant& tw;
  float& tf;
  Variant& c;
  Variant& Ro;
  Variant& A;
  Variant& Aw;
  float& Af;
  Variant& zc;
  Variant& Iy;
  Variant* IzVariant;
  float* IzSingle;
  Variant& g;
};

Member StiffMember(DesignState& ds) {
  return {ds.hs,  ds.bs,  ds.tws, ds.tfs, ds.cs,   ds.Ros,  ds.As,
          ds.Aws, ds.Afs, ds.zcs, ds.Iys, &ds.Izs, nullptr, ds.gstiff};
}

Member RingMember(DesignState& ds) {
  return {ds.hg,  ds.bg,  ds.twg, ds.tfg, ds.cg,   ds.Rog,  ds.Ag,
          ds.Awg, ds.Afg, ds.zcg, ds.Iyg, nullptr, &ds.Izg, ds.ggird};
}

// A built-up set: H, B, tw as variants, the flange thickness as a single.
struct BuiltUpSet {
  const Variant* H;
  const Variant* B;
  const Variant* tw;
  const float* tf;
};

// Copies a rolled L or T row (H, B, tw, tf).
bool LoadAngleOrTeeRow(Member& m, const ProfileTable& t, int row) {
  if (!t.HasRow(row)) return false;
  const auto& r = t.cell[static_cast<std::size_t>(row)];
  m.H = r[1];
  m.B = r[2];
  m.tw = r[3];
  m.tf = r[4];
  return true;
}

bool LoadFlatbarRow(Member& m, const ProfileTable& t, int row) {
  if (!t.HasRow(row)) return false;
  const auto& r = t.cell[static_cast<std::size_t>(row)];
  m.H = r[1];
  m.tw = r[2];
  return true;
}

// A bulb flat is treated as an equivalent angle: B = tw + c - 0.45 r and
// tf = (A - H tw) / (B - tw), so that the angle has the tabulated area.
bool LoadBulbRow(Member& m, const ProfileTable& t, int row) {
  if (!t.HasRow(row)) return false;
  const auto& r = t.cell[static_cast<std::size_t>(row)];
  m.H = r[1];
  m.tw = r[2];
  m.c = r[3];
  m.Ro = r[4];
  m.A = r[5];
  const double tw = r[2];
  const double B = (tw + static_cast<double>(r[3])) - 0.45 * static_cast<double>(r[4]);
  m.B = B;
  const double tf = (static_cast<double>(r[5]) - static_cast<double>(r[1]) * tw) / (B - tw);
  // A bulb whose equivalent flange is not wider than its web has no flange
  // (tf is a line of the project file, which holds finite numbers only).
  const float tfSingle = Sng(tf);
  m.tf = std::isfinite(tfSingle) ? tfSingle : 0.0f;
  return true;
}

void CopySet(Member& m, const BuiltUpSet& s) {
  m.H = *s.H;
  if (s.B != nullptr) m.B = *s.B;
  m.tw = *s.tw;
  if (s.tf != nullptr) m.tf = *s.tf;
}

// Sets whose last dimension is the wall thickness (flat bar, RHS, trapezoid).
void CopyWallSet(Member& m, const Variant& H, const Variant* B, float tw) {
  m.H = H;
  if (B != nullptr) m.B = *B;
  m.tw = tw;
}

ProfileGeometry Derive(int type, const Member& m) {
  ProfileGeometry g;
  g.type = type;
  g.H = m.H;
  g.B = m.B;
  g.tw = m.tw;
  g.tf = m.tf;
  switch (type) {
    case kLTable:
    case kLBuiltUp:
    case kBulbFlat:
      g.hw = g.H - g.tf;
      g.bf = g.B - g.tw;
      g.ef = g.B / 2 - g.tw / 2;
      break;
    case kTTable:
    case kTBuiltUp:
      g.hw = g.H - g.tf;
      g.bf = (g.B - g.tw) / 2;
      g.ef = 0;
      break;
    case kFlatbarTable:
    case kFlatbarBuiltUp:
      g.hw = g.H;
      g.bf = 0;
      g.ef = 0;
      break;
    case kRHS: g.hw = g.H - 2 * g.tw; break;
    case kTrapezProfile: g.hw = g.H - g.tf; break;
    default:  // I
      g.hw = g.H - 2 * g.tf;
      g.bf = (g.B - g.tw) / 2;
      g.ef = 0;
      break;
  }
  return g;
}

// The dimensions the formulas of each profile type use besides the height H
// and the web (wall) thickness tw, which every type uses: the flange width B
// and the flange thickness tf. The flat bar uses neither (a stiffener flat
// bar keeps B and tf of the profile before, unused); the box and the
// trapezoid have tf = tw. The bulb flat's B and tf are those of its
// equivalent angle.
struct UsedDimensions {
  bool B;
  bool tf;
};
constexpr UsedDimensions kUsedDimensions[10] = {
    {true, true},   {true, true},    // L-table, L-built up
    {true, true},   {true, true},    // T-table, T-built up
    {false, false}, {false, false},  // Flatbar-table, Flatbar-built up
    {true, true},                    // Bulb Flat
    {true, false},                   // RHS
    {true, false},                   // Trapez-profile
    {true, true},                    // I-built up
};

}  // namespace

namespace detail {

bool IsDegenerateShape(const ProfileGeometry& g, double area) {
  const UsedDimensions& used = kUsedDimensions[g.type];
  if (!Positive(g.H) || !Positive(g.tw) || !Positive(g.hw)) return true;
  if ((used.B && !Positive(g.B)) || (used.tf && !Positive(g.tf))) return true;
  // The bulb's equivalent flange must be wider than its web.
  if (g.type == kBulbFlat && !(g.B > g.tw)) return true;
  return !Positive(area);
}

}  // namespace detail

namespace {

// Lookup thickness: the larger of web and flange for L, T and I (tf on a
// tie), the web or wall thickness for the others.
float LookupThickness(int type, const Member& m) {
  if (type <= kTBuiltUp || type == kIBuiltUp) {
    return (m.tf < static_cast<float>(m.tw.value())) ? Sng(m.tw) : m.tf;
  }
  return Sng(m.tw);
}

ProfileIcon IconFor(int type, bool ring) {
  static const ProfileIcon stiff[10] = {
      ProfileIcon::stiff_l, ProfileIcon::stiff_l, ProfileIcon::stiff_t,  ProfileIcon::stiff_t,
      ProfileIcon::stiff_f, ProfileIcon::stiff_f, ProfileIcon::stiff_hp, ProfileIcon::stiff_rhs,
      ProfileIcon::stiff_u, ProfileIcon::stiff_i};
  static const ProfileIcon gird[10] = {
      ProfileIcon::gird_l, ProfileIcon::gird_l, ProfileIcon::gird_t,  ProfileIcon::gird_t,
      ProfileIcon::gird_f, ProfileIcon::gird_f, ProfileIcon::gird_hp, ProfileIcon::gird_rhs,
      ProfileIcon::gird_u, ProfileIcon::gird_i};
  return ring ? gird[type] : stiff[type];
}

void SetIz(Member& m, double iz) {
  if (m.IzVariant != nullptr) *m.IzVariant = iz;
  if (m.IzSingle != nullptr) *m.IzSingle = Sng(iz);
}

// Section properties of one run, worked out before anything is stored, so
// that the area can decide whether the profile is degenerate.
struct Properties {
  double A = 0;
  double zc = 0;
  double Iy = 0;
  bool webAndFlange = false;  // Aw, Af and Iz are written (not for the RHS and trapezoid)
  double Aw = 0;
  float Af = 0;  // single, as the design state holds it
  double Iz = 0;
};

// a: the trapezoid's inclination dimension (unused for the other types).
Properties ComputeProperties(const ProfileGeometry& g, double a) {
  const double H = g.H, B = g.B, tw = g.tw, tf = g.tf, hw = g.hw;
  Properties p;
  if (g.type < kFlatbarTable || g.type == kBulbFlat) {
    // L, T and the bulb flat's equivalent angle: web plus one flange.
    p.webAndFlange = true;
    p.Aw = hw * tw;
    p.Af = Sng(B * tf);
    const double Af = p.Af;
    p.A = p.Aw + Af;
    p.zc = SafeDiv(tw * hw * hw / 2 + B * tf * (H - tf / 2), p.A);
    p.Iy = (tw * hw * hw * hw + B * tf * tf * tf) / 12 + B * tf * std::pow(H - tf / 2 - p.zc, 2) +
           hw * tw * std::pow(hw / 2 - p.zc, 2);
    p.Iz = Af * B * B / 12 + SafeDiv(g.ef * g.ef * Af, 1 + SafeDiv(Af, p.Aw));
  } else if (detail::IsFlatBar(g.type)) {
    p.webAndFlange = true;
    p.Aw = hw * tw;
    p.Af = 0.0f;
    p.A = p.Aw;
    p.zc = hw / 2;
    p.Iy = tw * hw * hw * hw / 12;
    p.Iz = hw * tw * tw * tw / 12;
  } else if (g.type == kRHS) {
    // Closed box of wall thickness t, corner radii neglected.
    const double t = tw;
    p.A = B * H - (B - 2 * t) * (H - 2 * t);
    p.zc = H / 2;
    p.Iy = (B * H * H * H - (B - 2 * t) * std::pow(H - 2 * t, 3)) / 12;
  } else if (g.type == kTrapezProfile) {
    // Open on the plate side: two inclined webs of length hw / cos(alpha)
    // and one flange of width B, all of thickness t.
    const double t = tw;
    const double alpha = std::atan(SafeDiv(a, H));
    const double cosA = std::cos(alpha);
    p.A = B * t + 2 * hw * t / cosA;
    p.zc = SafeDiv(t * hw * hw / cosA + B * t * (H - t / 2), p.A);
    p.Iy = (2 * t * hw * hw * hw / cosA + B * t * t * t) / 12 +
           B * t * std::pow(H - t / 2 - p.zc, 2) + (2 * hw * t / cosA) * std::pow(hw / 2 - p.zc, 2);
  } else {
    // I: web and two equal flanges; Af is one flange.
    p.webAndFlange = true;
    p.Aw = hw * tw;
    p.Af = Sng(B * tf);
    const double Af = p.Af;
    p.A = p.Aw + 2 * Af;
    p.zc = H / 2;
    p.Iy = (tw * hw * hw * hw + 2 * B * tf * tf * tf) / 12 +
           B * tf * std::pow(H - tf / 2 - p.zc, 2) + hw * tw * std::pow(hw / 2 + tf - p.zc, 2) +
           B * tf * std::pow(tf / 2 - p.zc, 2);
    p.Iz = Af * B * B / 12;
  }
  return p;
}

// Stores the properties; g = 7850 A / 10^6 kg/m in every case.
void StoreProperties(Member& m, const Properties& p) {
  if (p.webAndFlange) {
    m.Aw = p.Aw;
    m.Af = p.Af;
    SetIz(m, p.Iz);
  }
  m.zc = p.zc;
  m.Iy = p.Iy;
  m.A = p.A;
  m.g = 7850 * p.A / 1e6;
}

bool LoadStiffDims(DesignState& ds, Member& m, int type) {
  switch (type) {
    case kLTable: return LoadAngleOrTeeRow(m, ds.lprof, ds.stifflidx);
    case kLBuiltUp:
      CopySet(m, {&ds.stifflb_h, &ds.stifflb_b, &ds.stifflb_tw, &ds.stifflb_tf});
      return true;
    case kTTable: return LoadAngleOrTeeRow(m, ds.tprof, ds.stifftidx);
    case kTBuiltUp:
      CopySet(m, {&ds.stifftb_h, &ds.stifftb_b, &ds.stifftb_tw, &ds.stifftb_tf});
      return true;
    case kFlatbarTable: return LoadFlatbarRow(m, ds.fprof, ds.stifffidx);  // B, tf kept
    case kFlatbarBuiltUp: CopyWallSet(m, ds.stifffb_h, nullptr, ds.stifffb_tw); return true;
    case kBulbFlat: return LoadBulbRow(m, ds.bfprof, ds.stiffhpidx);
    case kRHS:
      CopyWallSet(m, ds.stiffrhs_h, &ds.stiffrhs_b, ds.stiffrhs_tw);
      m.tf = Sng(m.tw);
      return true;
    case kTrapezProfile:
      CopyWallSet(m, ds.stiffusp_h, &ds.stiffusp_b, ds.stiffusp_tw);
      m.c = ds.stiffusp_a;
      m.tf = Sng(m.tw);
      return true;
    default:
      CopySet(m, {&ds.stiffib_h, &ds.stiffib_b, &ds.stiffib_tw, &ds.stiffib_tf});
      return true;
  }
}

bool LoadRingDims(DesignState& ds, Member& m, int type) {
  switch (type) {
    case kLTable: return LoadAngleOrTeeRow(m, ds.lprof, ds.girdlidx);
    case kLBuiltUp:
      CopySet(m, {&ds.girdlb_h, &ds.girdlb_b, &ds.girdlb_tw, &ds.girdlb_tf});
      return true;
    case kTTable: return LoadAngleOrTeeRow(m, ds.tprof, ds.girdtidx);
    case kTBuiltUp:
      CopySet(m, {&ds.girdtb_h, &ds.girdtb_b, &ds.girdtb_tw, &ds.girdtb_tf});
      return true;
    case kFlatbarTable:
      if (!LoadFlatbarRow(m, ds.fprof, ds.girdfidx)) return false;
      m.tf = 0.0f;  // a ring-frame flat bar has no flange
      return true;
    case kFlatbarBuiltUp:
      CopyWallSet(m, ds.girdfb_h, nullptr, ds.girdfb_tw);
      m.tf = 0.0f;
      return true;
    case kBulbFlat: return LoadBulbRow(m, ds.bfprof, ds.girdhpidx);
    case kRHS:
      CopyWallSet(m, ds.girdrhs_h, &ds.girdrhs_b, ds.girdrhs_tw);
      m.tf = Sng(m.tw);
      return true;
    case kTrapezProfile:
      CopyWallSet(m, ds.girdusp_h, &ds.girdusp_b, ds.girdusp_tw);
      m.c = ds.girdusp_a;
      m.tf = Sng(m.tw);
      return true;
    default: CopySet(m, {&ds.girdib_h, &ds.girdib_b, &ds.girdib_tw, &ds.girdib_tf}); return true;
  }
}

}  // namespace

std::string ProfileCaption(std::int16_t type, const Variant& H, const Variant& B, const Variant& tw,
                           float tf, char dec) {
  auto f = [dec](const Variant& v, const char* p) { return FormatNumber(v, p, dec); };
  switch (type) {
    case kLTable:
    case kLBuiltUp:
    case kTTable:
    case kTBuiltUp:
    case kIBuiltUp: {
      const char* prefix = type <= kLBuiltUp ? "L" : (type == kIBuiltUp ? "I" : "T");
      return prefix + f(H, "00") + "x" + f(B, "00") + "x" + f(tw, "0.0") + "x" +
             FormatNumber(tf, "#0.0", dec);
    }
    case kFlatbarTable:
    case kFlatbarBuiltUp: return "Fb" + f(H, "00") + "x" + f(tw, "0.0");
    case kBulbFlat: return "BF " + f(H, "00") + "x" + f(tw, "0.0");
    case kRHS: return "RHS" + f(H, "00") + "x" + f(B, "00") + "x" + f(tw, "0.0");
    case kTrapezProfile: return "U" + f(H, "00") + "x" + f(B, "00") + "x" + f(tw, "0.0");
    default: return "";
  }
}

namespace {

// The profile caption, reused from the memo while the type, the dimensions
// (values and kinds) and the decimal sign stay.
const std::string& Caption(TextMemo& memo, std::int16_t type, const Variant& H, const Variant& B,
                           const Variant& tw, float tf, char dec) {
  const auto kind = [](const Variant& v) { return static_cast<std::uint64_t>(v.kind()); };
  const std::array<std::uint64_t, 6> key = {
      static_cast<std::uint16_t>(type) | kind(H) << 16 | kind(B) << 24 | kind(tw) << 32,
      static_cast<unsigned char>(dec),
      detail::Bits(H.value()),
      detail::Bits(B.value()),
      detail::Bits(tw.value()),
      detail::Bits(static_cast<double>(tf))};
  return detail::Memoized(memo, key, [&] { return ProfileCaption(type, H, B, tw, tf, dec); });
}

}  // namespace

const char* StiffProfileTypeText(int type) {
  static const char* const texts[10] = {
      "L-table",          "L-built up", "T-table", "T-built up",     "Flatbar-table",
      "Flatbar-built up", "Bulb Flat",  "RHS",     "Trapez-profile", "I-built up"};
  return (type >= 0 && type <= 9) ? texts[type] : "";
}

const char* RingProfileTypeText(int type) {
  return type == kIBuiltUp ? "I-profile" : StiffProfileTypeText(type);
}

namespace {

MemberSection SectionFor(bool degenerate, double A, double Aw, double Af, double zc, double Iy,
                         double Iz) {
  if (degenerate) {
    const double none = std::numeric_limits<double>::quiet_NaN();
    return {none, none, none, none, none, none};
  }
  return {A, Aw, Af, zc, Iy, Iz};
}

}  // namespace

MemberSection StiffSection(const DesignState& ds) {
  return SectionFor(ds.stiffdegenerate, ds.As, ds.Aws, ds.Afs, ds.zcs, ds.Iys, ds.Izs);
}

MemberSection RingSection(const DesignState& ds) {
  return SectionFor(ds.girddegenerate, ds.Ag, ds.Awg, ds.Afg, ds.zcg, ds.Iyg, ds.Izg);
}

void CalcStiffSection(DesignState& ds, std::int16_t type) {
  if (type < 0 || type > 9) {
    // No such profile: the dimensions and properties stay, but no result
    // may be worked out from them.
    ds.stiffdegenerate = true;
    return;
  }
  Member m = StiffMember(ds);
  LoadStiffDims(ds, m, type);  // a row outside the loaded rows keeps the current dimensions
  ds.tmat = LookupThickness(type, m);
  GetStiffenerYield(ds, ds.mats);
  const ProfileGeometry g = Derive(type, m);
  ds.hw = g.hw;
  const Properties p = ComputeProperties(g, m.c);
  ds.stiffdegenerate = detail::IsDegenerateShape(g, p.A);
  detail::StiffLocalBuckling(ds, g, ds.stiffdegenerate);
  if (ds.mainfrm != nullptr) {
    ds.mainfrm->SetStiffenerIcon(IconFor(type, false));
    ds.mainfrm->SetStiffenerCaption(
        Caption(ds.stiffTexts.caption, type, ds.hs, ds.bs, ds.tws, ds.tfs, DecimalSign(ds)));
  }
  StoreProperties(m, p);
}

void CalcRingSection(DesignState& ds, std::int16_t type) {
  if (type < 0 || type > 9) {
    ds.girddegenerate = true;
    return;
  }
  Member m = RingMember(ds);
  LoadRingDims(ds, m, type);
  ds.tmat = LookupThickness(type, m);
  GetRingYield(ds, ds.matg);
  const ProfileGeometry g = Derive(type, m);
  ds.hw = g.hw;
  const Properties p = ComputeProperties(g, m.c);
  ds.girddegenerate = detail::IsDegenerateShape(g, p.A);
  detail::RingLocalBuckling(ds, g, ds.girddegenerate);
  if (ds.mainfrm != nullptr) {
    ds.mainfrm->SetRingIcon(IconFor(type, true));
    ds.mainfrm->SetRingCaption(
        Caption(ds.girdTexts.caption, type, ds.hg, ds.bg, ds.twg, ds.tfg, DecimalSign(ds)));
  }
  StoreProperties(m, p);
}

}  // namespace tamrel
