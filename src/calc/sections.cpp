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
#include "calc/state_vars.h"
#include "calc/window.h"
#include "calc/yield.h"

namespace tamrel {

using detail::Positive;
using detail::ProfileGeometry;
using detail::SafeDiv;

namespace {

using detail::MemberKind;
using detail::MemberVars;

// The stiffener's variable or the ring frame's, by member: each call names
// the pair, the stiffener's first.
struct Pick {
  bool ring;
  explicit Pick(MemberKind kind) : ring(kind == MemberKind::Ring) {}
  template <class T>
  T& operator()(T& stiffener, T& ringFrame) const {
    return ring ? ringFrame : stiffener;
  }
};

// Where the dimensions of each profile type of one member come from: the
// table row of the rolled types (the built-up types take their set from the
// catalogue), and what the flat bar leaves of the profile before it.
struct DimensionSources {
  std::int16_t lRow, tRow, fRow, bulbRow;
  // A stiffener flat bar keeps B and tf of the profile before, unused; a
  // ring-frame flat bar has no flange (tf = 0).
  bool flatBarKeepsFlange;
};

DimensionSources SourcesOf(const DesignState& ds, MemberKind kind) {
  const Pick pick(kind);
  return {
      .lRow = pick(ds.stifflidx, ds.girdlidx),
      .tRow = pick(ds.stifftidx, ds.girdtidx),
      .fRow = pick(ds.stifffidx, ds.girdfidx),
      .bulbRow = pick(ds.stiffhpidx, ds.girdhpidx),
      .flatBarKeepsFlange = !pick.ring,
  };
}

Member MemberOf(MemberKind kind) {
  return kind == MemberKind::Ring ? Member::RingFrame : Member::Stiffener;
}

// Copies a rolled L or T row (H, B, tw, tf).
bool LoadAngleOrTeeRow(MemberVars& m, const ProfileTable& t, int row) {
  if (!t.HasRow(row)) return false;
  const auto& r = t.cell[static_cast<std::size_t>(row)];
  m.H = r[1];
  m.B = r[2];
  m.tw = r[3];
  m.tf = r[4];
  return true;
}

bool LoadFlatbarRow(MemberVars& m, const ProfileTable& t, int row) {
  if (!t.HasRow(row)) return false;
  const auto& r = t.cell[static_cast<std::size_t>(row)];
  m.H = r[1];
  m.tw = r[2];
  return true;
}

// A bulb flat is treated as an equivalent angle: B = tw + c - 0.45 r and
// tf = (A - H tw) / (B - tw), so that the angle has the tabulated area.
bool LoadBulbRow(MemberVars& m, const ProfileTable& t, int row) {
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

// The current profile takes the dimensions of the member's built-up set of
// the type, each with the kind its set variable holds.
void CopySet(DesignState& ds, MemberKind kind, int type) {
  const Member member = MemberOf(kind);
  for (const StateVar* v : BuiltUpSetOf(member, type)) {
    CurrentOf(member, v->quantity).Set(ds, v->ref.GetVariant(ds));
  }
}

ProfileGeometry Derive(int type, const MemberVars& m) {
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
constexpr UsedDimensions kUsedDimensions[kProfileTypeCount] = {
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

MemberVars VarsOf(DesignState& ds, MemberKind kind) {
  const Pick pick(kind);
  return {
      .kind = kind,
      .type = pick(ds.stifftype, ds.ringtype),
      .H = pick(ds.hs, ds.hg),
      .B = pick(ds.bs, ds.bg),
      .tw = pick(ds.tws, ds.twg),
      .tf = pick(ds.tfs, ds.tfg),
      .c = pick(ds.cs, ds.cg),
      .Ro = pick(ds.Ros, ds.Rog),
      .grade = pick(ds.mats, ds.matg),
      .fy = pick(ds.fys, ds.fyg),
      .A = pick(ds.As, ds.Ag),
      .Aw = pick(ds.Aws, ds.Awg),
      .Af = pick(ds.Afs, ds.Afg),
      .zc = pick(ds.zcs, ds.zcg),
      .Iy = pick(ds.Iys, ds.Iyg),
      .Iz = CurrentOf(MemberOf(kind), Quantity::Iz),
      .g = pick(ds.gstiff, ds.ggird),
      .degenerate = pick(ds.stiffdegenerate, ds.girddegenerate),
      .texts = pick(ds.stiffTexts, ds.girdTexts),
      .limitLines = pick(ds.stiffclass, ds.girdclass),
  };
}

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
float LookupThickness(int type, const MemberVars& m) {
  if (type <= kTBuiltUp || type == kIBuiltUp) {
    return (m.tf < static_cast<float>(m.tw.value())) ? Sng(m.tw) : m.tf;
  }
  return Sng(m.tw);
}

ProfileIcon IconFor(int type, MemberKind kind) {
  using enum ProfileIcon;
  static const ProfileIcon icons[2][kProfileTypeCount] = {
      {stiff_l, stiff_l, stiff_t, stiff_t, stiff_f, stiff_f, stiff_hp, stiff_rhs, stiff_u, stiff_i},
      {gird_l, gird_l, gird_t, gird_t, gird_f, gird_f, gird_hp, gird_rhs, gird_u, gird_i}};
  return icons[kind == MemberKind::Ring ? 1 : 0][type];
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
void StoreProperties(DesignState& ds, MemberVars& m, const Properties& p) {
  if (p.webAndFlange) {
    m.Aw = p.Aw;
    m.Af = p.Af;
    m.Iz.Set(ds, p.Iz);
  }
  m.zc = p.zc;
  m.Iy = p.Iy;
  m.A = p.A;
  m.g = 7850 * p.A / 1e6;
}

// A row outside the loaded rows keeps the current dimensions (false).
bool LoadDims(DesignState& ds, MemberVars& m, int type) {
  const DimensionSources src = SourcesOf(ds, m.kind);
  switch (type) {
    case kLTable: return LoadAngleOrTeeRow(m, ds.lprof, src.lRow);
    case kLBuiltUp:
    case kTBuiltUp:
    case kIBuiltUp: CopySet(ds, m.kind, type); return true;
    case kTTable: return LoadAngleOrTeeRow(m, ds.tprof, src.tRow);
    case kFlatbarTable:
      if (!LoadFlatbarRow(m, ds.fprof, src.fRow)) return false;
      if (!src.flatBarKeepsFlange) m.tf = 0.0f;
      return true;
    case kFlatbarBuiltUp:
      CopySet(ds, m.kind, type);
      if (!src.flatBarKeepsFlange) m.tf = 0.0f;
      return true;
    case kBulbFlat: return LoadBulbRow(m, ds.bfprof, src.bulbRow);
    case kRHS:
    case kTrapezProfile:
      CopySet(ds, m.kind, type);
      m.tf = Sng(m.tw);
      return true;
    default: return false;  // not a profile type (CalcSection refuses it first)
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
  static const char* const texts[kProfileTypeCount] = {
      "L-table",          "L-built up", "T-table", "T-built up",     "Flatbar-table",
      "Flatbar-built up", "Bulb Flat",  "RHS",     "Trapez-profile", "I-built up"};
  return IsProfileType(type) ? texts[type] : "";
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

namespace detail {

MemberSection SectionOf(const DesignState& ds, MemberKind kind) {
  if (kind == MemberKind::Ring) {
    return SectionFor(ds.girddegenerate, ds.Ag, ds.Awg, ds.Afg, ds.zcg, ds.Iyg, ds.Izg);
  }
  return SectionFor(ds.stiffdegenerate, ds.As, ds.Aws, ds.Afs, ds.zcs, ds.Iys, ds.Izs);
}

}  // namespace detail

namespace {

// The section routine of one member: dimensions, lookup thickness and yield
// strength, local-buckling lines, caption and icon, section properties.
void CalcSection(DesignState& ds, MemberKind kind, std::int16_t type) {
  MemberVars m = detail::VarsOf(ds, kind);
  if (!IsProfileType(type)) {
    // No such profile: the dimensions and properties stay, but no result
    // may be worked out from them.
    m.degenerate = true;
    return;
  }
  const bool ring = kind == MemberKind::Ring;
  LoadDims(ds, m, type);  // a row outside the loaded rows keeps the current dimensions
  ds.tmat = LookupThickness(type, m);
  (ring ? GetRingYield : GetStiffenerYield)(ds, m.grade);
  const ProfileGeometry g = Derive(type, m);
  ds.hw = g.hw;
  const Properties p = ComputeProperties(g, m.c);
  m.degenerate = detail::IsDegenerateShape(g, p.A);
  detail::LocalBuckling(ds, kind, g, m.degenerate);
  if (Window* w = ds.mainfrm; w != nullptr) {
    (w->*(ring ? &Window::SetRingIcon : &Window::SetStiffenerIcon))(IconFor(type, kind));
    (w->*(ring ? &Window::SetRingCaption : &Window::SetStiffenerCaption))(
        Caption(m.texts.caption, type, m.H, m.B, m.tw, m.tf, DecimalSign(ds)));
  }
  StoreProperties(ds, m, p);
}

}  // namespace

MemberSection StiffSection(const DesignState& ds) {
  return detail::SectionOf(ds, MemberKind::Stiffener);
}

MemberSection RingSection(const DesignState& ds) {
  return detail::SectionOf(ds, MemberKind::Ring);
}

void CalcStiffSection(DesignState& ds, std::int16_t type) {
  CalcSection(ds, MemberKind::Stiffener, type);
}

void CalcRingSection(DesignState& ds, std::int16_t type) {
  CalcSection(ds, MemberKind::Ring, type);
}

}  // namespace tamrel
