// Design stresses every later check reads, and the ring-frame tripping
// length limit.

#include <cmath>

#include "calc/checks.h"
#include "calc/fmt_util.h"
#include "calc/numeric.h"
#include "calc/sections.h"
#include "calc/window.h"

namespace tamrel {

namespace {

// pi sqrt(r h) of the tripping-length limit, in double precision.
double TrippingLengthBound(const DesignState& ds) {
  const double h = ds.hg - static_cast<double>(ds.tfg);
  const double r = ds.cylr;
  return kPi * std::sqrt(r * h);
}

}  // namespace

float TrippingLengthLimit(const DesignState& ds) {
  return Sng(TrippingLengthBound(ds));
}

float TrippingLengthBelowLimit(const DesignState& ds) {
  return Sng(TrippingLengthBound(ds) - 1);
}

void CheckTrippingLength(DesignState& ds) {
  if (ds.ringlt > TrippingLengthLimit(ds)) {
    const float belowLimit = TrippingLengthBelowLimit(ds);
    if (ds.mainfrm != nullptr) ds.mainfrm->ShowExclamation(kTrippingMessage);
    ds.ringlt = belowLimit;
    if (ds.mainfrm != nullptr) {
      ds.mainfrm->SetTrippingLengthText(Fmt(ds, ds.ringlt, "#00"));
      ds.mainfrm->FocusTrippingLength();
    }
  }
}

namespace {

// Reduction factor zeta of the hoop stress at the middle of a ring-stiffened
// bay (DNV-RP-C202 eq. 3.3.x): 2 (sinh b cos b + cosh b sin b) / (sinh 2b + sin 2b),
// never negative; 0 (its limit) where the hyperbolic terms overflow.
double Zeta(double beta) {
  auto sinh = [](double x) { return (std::exp(x) - std::exp(-x)) * 0.5; };
  auto cosh = [](double x) { return (std::exp(-x) + std::exp(x)) * 0.5; };
  double z = 2 * (sinh(beta) * std::cos(beta) + cosh(beta) * std::sin(beta)) /
             (sinh(2 * beta) + std::sin(2 * beta));
  if (!std::isfinite(z)) return 0.0;
  if (z < 0) z = 0;
  return z;
}

}  // namespace

void CalcDesignStresses(DesignState& ds) {
  const double r = ds.cylr;
  const double t = ds.cylt;
  const double l = ds.ringspacing;

  // Effective shell length le = min(1.56 sqrt(r t), l).
  const double a = 1.56 * std::sqrt(r * t);
  ds.le = a;
  if (ds.le > ds.ringspacing) ds.le = ds.ringspacing;
  const double beta = l / a;

  // Hoop stress from the lateral pressure, p r formed in single precision.
  const double pr = ToSingle(static_cast<double>(ds.pd) * r);
  if (ds.cyltype != kRingStiffened) {
    ds.shp = pr / t;
  } else {
    // Ring frames carry part of the pressure: the hoop stress midway between
    // rings is reduced by alpha zeta / (alpha + 1).
    CalcRingSection(ds, ds.ringtype);
    const double alpha = (RingSection(ds).A / ds.le) / t;
    const double zeta = Zeta(beta);
    const double prt = ToSingle(pr / t);
    ds.shp = prt - alpha * zeta / (alpha + 1) * (prt - 0.3 * ds.Sigx);
  }
  ds.sh = ds.shp + static_cast<double>(ds.Sigy);

  if (ds.cyltype > kStringerStiffened) {
    // Column: the axial stress comes from the axial force (kN -> N).
    const double circumference = ToSingle(kTwoPi * r);
    ds.sa = ds.naxial / (circumference * t) * 1000;
    // Sigx is a line of the project file, which holds finite numbers only:
    // a column without a wall section (t = 0) keeps no axial stress there.
    // Its results are undefined either way.
    ds.Sigx = std::isfinite(ds.sa.value()) ? ds.sa : Variant::Int(0);
  } else {
    ds.sa = ds.Sigx;
  }
}

}  // namespace tamrel
