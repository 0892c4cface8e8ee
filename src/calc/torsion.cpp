// Torsional buckling strength fT of a stiffener or ring frame (tripping
// about its line of attachment), DNV-RP-C202 ch. 3.5 / 3.9: the elastic
// torsional buckling strength with the rotational restraint of the shell
// plate, reduced by the plate's own utilisation eta, then the reduction to
// the characteristic strength through the slenderness lambda_T.

#include <cmath>
#include <limits>

#include "calc/numeric.h"
#include "calc/sections.h"
#include "calc/sections_internal.h"

namespace tamrel {

using detail::MemberKind;
using detail::MemberVars;

namespace {

struct TorsionInput {
  int type;
  double H, tw, tf;
  double Aw, Af, Iz;
  double fy;
  double b;   // plate width of the rotational restraint
  double lT;  // torsional buckling length
};

// Elastic torsional buckling strength, single precision; 0 when undefined.
float ElasticTorsion(const DesignState& ds, const TorsionInput& in) {
  const double E = ds.emod;
  const double t = ds.cylt;
  const double r = ds.cylr;
  const double eta = ds.eta;
  const double G = E / 2.6;

  // Rotational restraint from the shell plate, reduced by its utilisation.
  double Cr = 0;
  if (eta < 1) {
    const double hc = (in.type <= kTBuiltUp) ? in.H - in.tf : in.H;
    Cr = (hc / in.b) * std::pow(t / in.tw, 3) * std::sqrt(1 - eta);
    // No plate width (or no web) leaves no restraint worth counting, and a
    // negative one (a negative spacing or thickness) is no restraint either:
    // it would make beta exceed its upper bound of 3 or divide by zero.
    if (!std::isfinite(Cr) || Cr < 0) Cr = 0;
  }
  const double beta = (3 * Cr + 0.2) / (Cr + 0.2);

  using detail::SafeDiv;
  double fEt = 0;
  if (detail::IsFlatBar(in.type)) {
    fEt = G * (beta + SafeDiv(0.2 * in.H, r)) * std::pow(SafeDiv(in.tw, in.H), 2);
  } else {
    // Flanged profiles (L, T, bulb flat; for ring frames also I, whose web
    // height is H - 2 tf).
    const double webHeight = (in.type == kIBuiltUp) ? in.H - 2 * in.tf : in.H - in.tf;
    const double webArm = in.Af + in.Aw / 3;
    // The tripping length alone is left unguarded: lT = 0 gives the
    // formula's own limit.
    const double flexural = webArm == 0 ? std::numeric_limits<double>::quiet_NaN()
                                        : kPi * kPi * E * in.Iz / (webArm * in.lT * in.lT);
    fEt = SafeDiv(beta * (in.Aw + in.Af * std::pow(SafeDiv(in.tf, in.tw), 2)), in.Aw + 3 * in.Af) *
              G * std::pow(SafeDiv(in.tw, webHeight), 2) +
          flexural;
  }
  // Undefined (a zero web thickness or web height, no section): no torsional
  // strength. An infinite strength (no tripping length) is the formula's own
  // limit, lambda_T = 0.
  if (std::isnan(fEt) || fEt < 0) return 0.0f;
  return Sng(fEt);
}

// Characteristic torsional buckling strength from fy and fEt.
double Reduce(double fy, float fEtSingle) {
  const double fEt = fEtSingle;
  if (!(fEt > 0)) return fy > 0 ? 0.0 : fy;  // no torsional stiffness: no strength
  const double lamT = std::sqrt(fy / fEt);
  const double mu = 0.35 * (lamT - 0.6);
  const double phi = Sng(1 + mu + lamT * lamT);
  if (lamT > 0.6) {
    return fy * (phi - std::sqrt(phi * phi - 4 * lamT * lamT)) / (2 * lamT * lamT);
  }
  return fy;
}

// degenerate: the member's profile cannot exist, so it has no torsional
// strength at all (not even fT = fy of the types without a tripping check).
void Finish(DesignState& ds, double fT, bool degenerate) {
  if (degenerate) {
    ds.fTors = std::numeric_limits<float>::quiet_NaN();
    return;
  }
  const double fyp = ds.fyp;
  if (fT > fyp) fT = fyp;  // never above the shell plate's yield strength
  ds.fTors = Sng(fT);
}

// The types checked for tripping: L, T, flat bar and bulb flat, for ring
// frames the I too. The others (RHS, trapezoid, I stiffener) keep fT = fy.
bool ChecksTripping(int type, MemberKind kind) {
  return (type >= kLTable && type <= kBulbFlat) || (kind == MemberKind::Ring && type == kIBuiltUp);
}

}  // namespace

namespace detail {

void CalcTorsion(DesignState& ds, MemberKind kind) {
  const MemberVars m = VarsOf(ds, kind);
  const bool ring = kind == MemberKind::Ring;
  const int type = m.type;
  const double fy = m.fy;
  double fT = fy;
  if (ChecksTripping(type, kind)) {
    // The plate width of the restraint: the stiffener spacing (the panel
    // width of the curved-panel check when that check runs) or the ring
    // frame's effective shell length.
    const double b = ring ? ds.le : ds.stiffspacing;
    const double lT = ring ? static_cast<double>(ds.ringlt) : ds.stifflt.value();
    const MemberSection s = SectionOf(ds, kind);
    const TorsionInput in{type, m.H, m.tw, m.tf, s.Aw, s.Af, s.Iz, fy, b, lT};
    fT = Reduce(fy, ElasticTorsion(ds, in));
  }
  if (ring && ds.ringfab != 0) fT = 0.9 * fT;  // cold-formed ring frame
  Finish(ds, fT, m.degenerate);
}

}  // namespace detail

void CalcStiffTorsion(DesignState& ds) {
  detail::CalcTorsion(ds, detail::MemberKind::Stiffener);
}

void CalcRingTorsion(DesignState& ds) {
  detail::CalcTorsion(ds, detail::MemberKind::Ring);
}

}  // namespace tamrel
