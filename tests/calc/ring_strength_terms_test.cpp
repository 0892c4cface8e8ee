// The special calculation of Ih works out its Ih-independent terms once per
// recalculation. Its pressure ratio and curvature parameter must keep every
// bit of the whole formula evaluated pass by pass, which is kept here as the
// reference.

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <vector>

#include "calc/checks.h"
#include "calc/checks_internal.h"
#include "calc_fixture.h"

namespace tamrel {
namespace {

// The pressure ratio of ch. 3.5.2.7 as one formula, every term evaluated on
// each call.
void WholeFormula(DesignState& ds) {
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
  const double disc = std::max(0.0, B * B - 4 * lambda * lambda);
  const double fk = ToSingle((B - std::sqrt(disc)) * fT / 2 / (lambda * lambda));
  const double pdRd = ToSingle(0.75 * fk / ds.gM * t * static_cast<double>(ds.rf) / (r * r) *
                               (1 + A / le / t) / 0.85);
  if (!(std::isfinite(pdRd) && pdRd > 0)) {
    ds.pratio = std::numeric_limits<float>::infinity();
    return;
  }
  ds.pratio = Sng(std::fabs(static_cast<double>(ds.pd) / pdRd));
}

// Ring-stiffened and stringer-stiffened designs over wide ranges of radius,
// thickness, spacing, length, pressure and ring size, the ring frames
// inside and outside, with trial values of Ih from far above the general
// requirement down to the lower limit of the loop, and odd ones (zero,
// negative, huge).
TEST(RingStrengthTerms, EveryBitAsTheWholeFormula) {
  std::mt19937 rng(11);
  auto in = [&](double lo, double hi) {
    return std::uniform_real_distribution<double>(lo, hi)(rng);
  };
  long compared = 0;
  for (int design = 0; design < 400; ++design) {
    DesignState ds = testing::Project(design % 3 == 0 ? kStringerStiffened : kRingStiffened);
    ds.cylr = static_cast<float>(in(500, 20000));
    ds.cylt = static_cast<float>(in(5, 60));
    ds.ringspacing = static_cast<float>(in(300, 6000));
    ds.cyll = static_cast<float>(design % 17 == 0 ? 1e30 : in(2000, 200000));
    ds.pd = static_cast<float>(-in(0.01, 5));
    ds.outside = static_cast<std::int16_t>(design % 2);
    ds.ringtype = kTBuiltUp;
    ds.girdtb_h = static_cast<float>(in(100, 1500));
    ds.girdtb_b = static_cast<float>(in(50, 500));
    ds.girdtb_tw = static_cast<float>(in(5, 40));
    ds.girdtb_tf = static_cast<float>(in(5, 60));
    ds.ringlt = 1.0f;
    Recalculate(ds);
    if (design % 23 == 0) ds.fTors = 0.0f;  // no resistance
    const detail::RingStrengthTerms terms = detail::RingFrameStrengthTerms(ds);
    std::vector<double> trials = {0.0, -1e6, 1e300, 100000.0};
    for (double ih = 1e3 * std::max(1.0, ds.Ih.value()); ih > 100000 && trials.size() < 3000;
         ih *= 0.99) {
      trials.push_back(ih);
    }
    for (double ih : trials) {
      DesignState whole = ds;
      DesignState split = ds;
      whole.Ih = ih;
      split.Ih = ih;
      WholeFormula(whole);
      detail::CalcRingFrameStrength(split, terms);
      ASSERT_EQ(std::bit_cast<std::uint32_t>(split.pratio),
                std::bit_cast<std::uint32_t>(whole.pratio))
          << "design " << design << ", Ih " << ih;
      ASSERT_EQ(std::bit_cast<std::uint64_t>(split.Z.value()),
                std::bit_cast<std::uint64_t>(whole.Z.value()));
      ++compared;
    }
  }
  EXPECT_GT(compared, 100000);
}

// The whole special calculation ends on the same Ih, bit for bit, as passes
// of the whole formula do.
TEST(RingStrengthTerms, SpecialCalculationEndsOnTheSameIh) {
  for (std::int16_t cyltype : {kRingStiffened, kStringerStiffened}) {
    for (float pd : {-0.05f, -0.3f, -1.0f, -3.0f}) {
      DesignState ds = testing::Project(cyltype);
      ds.pd = pd;
      Recalculate(ds);
      DesignState probe = ds;
      probe.pratio = 0.0f;
      while (probe.pratio < 1 && probe.Ih > 100000) {
        probe.Ih = 0.99 * probe.Ih.value();
        WholeFormula(probe);
      }
      ds.ih = 1;
      Recalculate(ds);
      SCOPED_TRACE(pd);
      EXPECT_EQ(std::bit_cast<std::uint64_t>(ds.Ih.value()),
                std::bit_cast<std::uint64_t>(probe.Ih.value()));
      EXPECT_EQ(std::bit_cast<std::uint32_t>(ds.pratio),
                std::bit_cast<std::uint32_t>(probe.pratio));
    }
  }
}

}  // namespace
}  // namespace tamrel
