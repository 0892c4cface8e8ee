#pragma once
// Shared between the section, local-buckling, effective-plating and torsion
// routines: the dimensions of the profile being computed.

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "calc/design_state.h"
#include "calc/sections.h"
#include "calc/var_ref.h"

namespace tamrel::detail {

// The member a section routine works on.
enum class MemberKind { Stiffener, Ring };

// The design-state variables of one member that the section, local-buckling,
// effective-plating and torsion routines share: the stiffener's (hs, As,
// fys, stiffdegenerate ...) or the ring frame's (hg, Ag, fyg, girddegenerate
// ...).
struct MemberVars {
  MemberKind kind;
  std::int16_t& type;  // ProfileType of the member (stifftype, ringtype)
  Variant& H;
  Variant& B;
  Variant& tw;
  float& tf;
  Variant& c;
  Variant& Ro;
  std::int16_t& grade;  // steel grade index
  Variant& fy;
  Variant& A;
  Variant& Aw;
  float& Af;
  Variant& zc;
  Variant& Iy;
  VarRef Iz;  // a variant for the stiffener, a single for the ring frame
  Variant& g;
  bool& degenerate;
  SectionTextMemo& texts;
  std::array<std::string, 6>& limitLines;  // stiffclass, girdclass
};

MemberVars VarsOf(DesignState& ds, MemberKind kind);

// The section properties of the member as the checks read them (see
// StiffSection).
MemberSection SectionOf(const DesignState& ds, MemberKind kind);

// Geometry of one run of a section routine (mm).
struct ProfileGeometry {
  int type = 0;   // ProfileType
  double H = 0;   // height
  double B = 0;   // flange width
  double tw = 0;  // web (wall) thickness
  double tf = 0;  // flange thickness
  double hw = 0;  // web height
  double bf = 0;  // flange outstand
  double ef = 0;  // flange eccentricity
};

// a / b, or NaN when b is zero: an undefined value shows "n/a" and fails
// every comparison instead of passing as an infinity might.
inline double SafeDiv(double a, double b) {
  return b == 0.0 ? std::numeric_limits<double>::quiet_NaN() : a / b;
}

inline bool Positive(double x) {
  return std::isfinite(x) && x > 0.0;
}

// Types with a flange of their own (L, T, bulb flat as equivalent angle, I).
inline bool HasWebLimitOfFlanged(int type) {
  return type == kLTable || type == kLBuiltUp || type == kTTable || type == kTBuiltUp ||
         type == kBulbFlat || type == kIBuiltUp;
}
inline bool IsFlatBar(int type) {
  return type == kFlatbarTable || type == kFlatbarBuiltUp;
}
inline bool HasFlangeLimit(int type) {
  return type == kLTable || type == kLBuiltUp || type == kTTable || type == kTBuiltUp ||
         type == kIBuiltUp;
}

// A profile whose shape cannot exist: a dimension its type's formulas use
// (H and tw always; B for every type but the flat bar; tf for L, T, bulb
// flat and I) not above zero, a web height (H - tf; H - 2 tf for the I,
// H - 2 tw for the box) not above zero, a bulb whose equivalent flange is
// not wider than its web, or a section area not above zero. One rule for
// both members, for table rows and built-up sets alike.
bool IsDegenerateShape(const ProfileGeometry& g, double area);

// The memo's text, built anew by build() only when the key differs from the
// one it was last built from.
template <class Build>
const std::string& Memoized(TextMemo& memo, const std::array<std::uint64_t, 6>& key,
                            const Build& build) {
  if (!memo.valid || memo.key != key) {
    memo.text = build();
    memo.key = key;
    memo.valid = true;
  }
  return memo.text;
}

inline std::uint64_t Bits(double v) {
  return std::bit_cast<std::uint64_t>(v);
}

// The local-buckling lines of the member; a degenerate shape, or a yield
// strength or modulus not above zero, reads NOK on every line.
void LocalBuckling(DesignState& ds, MemberKind kind, const ProfileGeometry& g, bool degenerate);

// Profile plus effective shell plating; torsional buckling strength.
void CalcEffective(DesignState& ds, MemberKind kind);
void CalcTorsion(DesignState& ds, MemberKind kind);

}  // namespace tamrel::detail
