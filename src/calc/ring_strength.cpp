// Design lateral pressure that a ring-stiffened cylinder with ring frames of
// a trial moment of inertia Ih resists (DNV-RP-C202 ch. 3.5.2.7, special
// calculation of Ih), and the ratio of the acting pressure to it.

#include <cmath>
#include <limits>

#include "calc/checks.h"
#include "calc/checks_internal.h"

namespace tamrel {

using namespace detail;

void CalcRingFrameStrength(DesignState& ds) {
  const double Ih = ds.Ih;
  const double l = ds.ringspacing;
  const double t = ds.cylt;
  const double r = ds.cylr;
  const double L = ds.cyll;
  const double E = ds.emod;
  const double A = ds.Ag;
  const double le = ds.le;
  const double fT = ds.fTors;

  const double gamma = 10.92 * Ih / l / (t * t * t);
  const double alpha = A / le / t;
  const double ih2 = Ih / (A + le * t);
  const double ZL = L * L / r / t * std::sqrt(0.91);
  ds.Z = ZL;
  const double C1 = 2 * std::sqrt(1 + 0.27 * ZL);
  const double C2 = 2 * (1 + gamma) / (1 + alpha) *
                    (std::sqrt(1 + 0.27 * ZL / std::sqrt(1 + gamma)) - gamma / (1 + gamma));
  const double fE = C2 * kPi * kPi * E / 12 / 0.91 * std::pow(t / L, 2);
  double mu = 0;
  if (!(C1 > C2)) {
    mu = ds.ztip * ds.delta0 / ih2 * static_cast<double>(ds.rf) / r * l / le * (1 - C1 / C2) *
         (1 / 0.85);
  }
  const double lambda = std::sqrt(fT / fE);
  const double B = ToSingle(1 + mu + lambda * lambda);
  // Rounding B to single can leave B^2 - 4 lambda^2 a hair below zero for
  // ordinary rings; the root of a negative number is taken as 0.
  const double disc = std::max(0.0, B * B - 4 * lambda * lambda);
  const double fk = ToSingle((B - std::sqrt(disc)) * fT / 2 / (lambda * lambda));
  const double pdRd = ToSingle(0.75 * fk / ds.gM * t * static_cast<double>(ds.rf) / (r * r) *
                               (1 + A / le / t) / 0.85);
  if (!(std::isfinite(pdRd) && pdRd > 0)) {
    ds.pratio = std::numeric_limits<float>::infinity();  // no resistance at all
    return;
  }
  ds.pratio = Sng(std::fabs(static_cast<double>(ds.pd) / pdRd));
}

}  // namespace tamrel
