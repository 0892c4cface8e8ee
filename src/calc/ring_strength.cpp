// Design lateral pressure that a ring-stiffened cylinder with ring frames of
// a trial moment of inertia Ih resists (DNV-RP-C202 ch. 3.5.2.7, special
// calculation of Ih), and the ratio of the acting pressure to it.
//
// The special calculation lowers Ih pass by pass with everything else fixed,
// so the terms that do not depend on Ih are worked out once before the
// passes. Each is exactly the subexpression the formula evaluates first (the
// same operations in the same order), so a pass gives the same bits as the
// whole formula would.

#include <algorithm>
#include <cmath>
#include <limits>

#include "calc/checks.h"
#include "calc/checks_internal.h"
#include "calc/sections.h"

namespace tamrel {

using namespace detail;

namespace detail {

RingStrengthTerms RingFrameStrengthTerms(const DesignState& ds) {
  RingStrengthTerms k;
  k.l = ds.ringspacing;
  k.t = ds.cylt;
  k.r = ds.cylr;
  k.E = ds.emod;
  k.le = ds.le;
  k.fT = ds.fTors;
  const double A = RingSection(ds).A;
  const double L = ds.cyll;
  k.t3 = k.t * k.t * k.t;
  k.sectionArea = A + k.le * k.t;
  // 1 + alpha of C2 and the area factor of pdRd alike.
  k.onePlusAlpha = 1 + A / k.le / k.t;
  k.ZL = L * L / k.r / k.t * std::sqrt(0.91);
  k.C1 = 2 * std::sqrt(1 + 0.27 * k.ZL);
  k.ZL027 = 0.27 * k.ZL;
  k.tOverL2 = std::pow(k.t / L, 2);
  k.ztipDelta0 = ds.ztip * ds.delta0;
  k.r2 = k.r * k.r;
  return k;
}

// The pressure ratio for the trial Ih in the design state.
void CalcRingFrameStrength(DesignState& ds, const RingStrengthTerms& k) {
  const double Ih = ds.Ih;
  const double l = k.l;
  const double t = k.t;
  const double r = k.r;
  const double E = k.E;
  const double le = k.le;
  const double fT = k.fT;

  // Stiffness parameter, radius of gyration squared, curvature parameter
  // over the cylinder length.
  const double gamma = 10.92 * Ih / l / k.t3;
  const double ih2 = Ih / k.sectionArea;
  ds.Z = k.ZL;
  const double C2 = 2 * (1 + gamma) / k.onePlusAlpha *
                    (std::sqrt(1 + k.ZL027 / std::sqrt(1 + gamma)) - gamma / (1 + gamma));
  const double fE = C2 * kPi * kPi * E / 12 / 0.91 * k.tOverL2;
  double mu = 0;
  if (!(k.C1 > C2)) {
    mu =
        k.ztipDelta0 / ih2 * static_cast<double>(ds.rf) / r * l / le * (1 - k.C1 / C2) * (1 / 0.85);
  }
  const double lambda = std::sqrt(fT / fE);
  const double B = ToSingle(1 + mu + lambda * lambda);
  // Rounding B to single can leave B^2 - 4 lambda^2 a hair below zero for
  // ordinary rings; the root of a negative number is taken as 0.
  const double disc = std::max(0.0, B * B - 4 * lambda * lambda);
  const double fk = ToSingle((B - std::sqrt(disc)) * fT / 2 / (lambda * lambda));
  const double pdRd =
      ToSingle(0.75 * fk / ds.gM * t * static_cast<double>(ds.rf) / k.r2 * k.onePlusAlpha / 0.85);
  if (!(std::isfinite(pdRd) && pdRd > 0)) {
    ds.pratio = std::numeric_limits<float>::infinity();  // no resistance at all
    return;
  }
  ds.pratio = Sng(std::fabs(static_cast<double>(ds.pd) / pdRd));
}

}  // namespace detail

void CalcRingFrameStrength(DesignState& ds) {
  detail::CalcRingFrameStrength(ds, RingFrameStrengthTerms(ds));
}

}  // namespace tamrel
