// Recalculates thousands of seeded random design states, with zero,
// negative, tiny and huge values for every numeric input and every code
// in and out of range: nothing may crash or hang, and every usage factor is
// either a finite number drawn in the colour its comparison gives, or red.

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "calc/checks.h"
#include "calc/defaults.h"
#include "calc/format.h"
#include "calc/recording_surface.h"
#include "calc/result_tables.h"
#include "fake_window.h"
#include "files/table_loaders.h"

namespace tamrel {
namespace {

class Generator {
 public:
  explicit Generator(unsigned seed) : rng_(seed) {}

  // A value near `typical`, or one of the awkward values.
  double Number(double typical) {
    switch (Pick(12)) {
      case 0: return 0.0;
      case 1: return -typical;
      case 2: return 1e-30;
      case 3: return 1e30;
      case 4: return -1e30;
      case 5: return std::numeric_limits<float>::max();
      case 6: return typical * 1e-6;
      case 7: return typical * 1e6;
      default: return typical * std::uniform_real_distribution<double>(0.05, 3.0)(rng_);
    }
  }
  Variant VariantNumber(double typical) { return static_cast<float>(Number(typical)); }
  float Single(double typical) { return static_cast<float>(Number(typical)); }
  std::int16_t Code(int lo, int hi) {
    return static_cast<std::int16_t>(std::uniform_int_distribution<int>(lo, hi)(rng_));
  }
  int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }

 private:
  std::mt19937 rng_;
};

void Randomise(DesignState& ds, Generator& g) {
  ds.cyltype = g.Code(-1, 4);
  ds.lrfd = g.Code(0, 1);
  ds.UF = g.VariantNumber(1.0);
  ds.ring = g.Code(0, 1);
  ds.hring = g.Code(0, 1);
  ds.outside = g.Code(0, 1);
  ds.ih = g.Code(0, 1);
  ds.ringfab = g.Code(0, 1);
  ds.odmom = g.Code(0, 2);
  ds.cylr = g.Single(3333);
  ds.cylt = g.VariantNumber(20);
  ds.ringspacing = g.VariantNumber(3000);
  ds.stiffspacing = g.VariantNumber(600);
  ds.cyll = g.VariantNumber(6000);
  ds.stifflt = g.VariantNumber(3000);
  ds.ringlt = g.Single(600);
  ds.Sigx = g.VariantNumber(-100);
  ds.Sigy = g.Single(-10);
  ds.Tau = g.Single(40);
  ds.pd = g.Single(-0.3);
  ds.naxial = g.VariantNumber(-1000);
  ds.M1a = g.VariantNumber(-200);
  ds.M1b = g.VariantNumber(100);
  ds.M2a = g.VariantNumber(-100);
  ds.M2b = g.Single(100);
  ds.k1 = g.VariantNumber(1);
  ds.k2 = g.Single(1);
  ds.emod = g.Single(210000);
  const int last = ds.mat.matlast;
  ds.matp = g.Code(-1, last + 1);
  ds.mats = g.Code(-1, last + 1);
  ds.matg = g.Code(-1, last + 1);
  ds.fyp = g.VariantNumber(355);
  ds.fys = g.VariantNumber(355);
  ds.fyg = g.VariantNumber(355);
  ds.stifftype = g.Code(-1, 10);
  ds.ringtype = g.Code(-1, 10);
  ds.stifflidx = g.Code(-2, 70);
  ds.stifftidx = g.Code(-2, 70);
  ds.stifffidx = g.Code(-2, 70);
  ds.stiffhpidx = g.Code(-2, 70);
  ds.girdlidx = g.Code(-2, 70);
  ds.girdtidx = g.Code(-2, 70);
  ds.girdfidx = g.Code(-2, 70);
  ds.girdhpidx = g.Code(-2, 70);
  for (Variant* v :
       {&ds.stifflb_h, &ds.stifftb_h, &ds.stifffb_h, &ds.stiffrhs_h, &ds.stiffusp_h, &ds.stiffib_h,
        &ds.girdlb_h, &ds.girdtb_h, &ds.girdfb_h, &ds.girdrhs_h, &ds.girdusp_h, &ds.girdib_h}) {
    *v = g.VariantNumber(200);
  }
  for (Variant* v :
       {&ds.stifflb_b, &ds.stifftb_b, &ds.stiffrhs_b, &ds.stiffusp_b, &ds.stiffib_b, &ds.girdlb_b,
        &ds.girdtb_b, &ds.girdrhs_b, &ds.girdusp_b, &ds.girdib_b, &ds.stiffusp_a, &ds.girdusp_a}) {
    *v = g.VariantNumber(90);
  }
  for (Variant* v : {&ds.stifflb_tw, &ds.stifftb_tw, &ds.stiffib_tw, &ds.girdlb_tw, &ds.girdtb_tw,
                     &ds.girdib_tw}) {
    *v = g.VariantNumber(9);
  }
  for (float* v : {&ds.stifflb_tf, &ds.stifftb_tf, &ds.stifffb_tw, &ds.stiffrhs_tw, &ds.stiffusp_tw,
                   &ds.stiffib_tf, &ds.girdlb_tf, &ds.girdtb_tf, &ds.girdfb_tw, &ds.girdrhs_tw,
                   &ds.girdusp_tw, &ds.girdib_tf}) {
    *v = g.Single(12);
  }
}

// A usage factor as the design state holds it, and its permitted value.
struct Usage {
  double value;
  std::string text;  // as the check formats it under "0.00"
  double permitted;
};

template <class T>
Usage UsageOf(const DesignState& ds, const T& value, double permitted) {
  return {static_cast<double>(value), FormatNumber(value, "0.00", DecimalSign(ds)), permitted};
}

// The usage-factor rows of a picture, in the order drawn: each shows the
// usage factor's own number ("n/a" when it is not finite), green only when
// it is a finite number not below zero within a permitted value that is a
// finite number above zero, red otherwise; no "nan" or "inf" anywhere.
struct Seen {
  int green = 0, red = 0, undefined = 0;
};

void CheckPicture(const RecordingSurface& s, const std::vector<Usage>& rows, const char* what,
                  Seen& seenKinds) {
  std::size_t seen = 0;
  for (const auto& t : s.Visible()) {
    EXPECT_EQ(t.text.find("nan"), std::string::npos) << what << ": " << t.text;
    EXPECT_EQ(t.text.find("inf"), std::string::npos) << what << ": " << t.text;
    if (t.colour == Colour::Black) continue;
    ASSERT_LT(seen, rows.size()) << what << ": more coloured texts than usage-factor rows";
    const Usage& u = rows[seen++];
    const bool passes = std::isfinite(u.value) && u.value >= 0 && std::isfinite(u.permitted) &&
                        u.permitted > 0 && u.value <= u.permitted;
    EXPECT_EQ(t.colour == Colour::Green, passes)
        << what << ": " << t.text << " u=" << u.value << " perm=" << u.permitted;
    EXPECT_EQ(t.text, u.text) << what;
    if (!std::isfinite(u.value)) {
      EXPECT_EQ(t.text, "n/a") << what;
      ++seenKinds.undefined;
    }
    ++(passes ? seenKinds.green : seenKinds.red);
  }
}

TEST(Robustness, RandomDesignStatesNeverCrashHangOrPassUndefinedResults) {
  DesignState base;
  base.apppath = TAMREL_DATA_DIR;
  SetDefaults(base);
  LoadAllTables(base);
  testing::FakeWindow w;
  RecordingSurface shell, stiff, ring;

  Seen shellSeen, stiffSeen, columnSeen, ringSeen;
  Generator g(20261210);
  DesignState ds = base;
  for (int i = 0; i < 4000; ++i) {
    SCOPED_TRACE("state " + std::to_string(i));
    if (g.Pick(4) == 0) ds = base;  // sometimes from a clean project, mostly on top of the last
    Randomise(ds, g);
    // Fresh pictures: a recording surface keeps every operation ever drawn.
    shell = RecordingSurface();
    stiff = RecordingSurface();
    ring = RecordingSurface();
    w.surfaces[0] = &shell;
    w.surfaces[1] = &stiff;
    w.surfaces[2] = &ring;
    ds.mainfrm = &w;
    const auto start = std::chrono::steady_clock::now();
    Recalculate(ds);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    // A hang guard, not a speed measurement (that is the benchmark's job).
    ASSERT_LT(seconds, 5.0);
    EXPECT_FALSE(ds.recalculating);
    CheckPicture(shell, {UsageOf(ds, ds.UFshell, ds.UFpermShell)}, "shell", shellSeen);
    // The stiffener picture is shown for the stringer-stiffened and column
    // types only; for the others it holds whatever the shared table held.
    if (ds.cyltype == kColumnBuckling) {
      CheckPicture(stiff, {UsageOf(ds, ds.UF1, ds.UFperm), UsageOf(ds, ds.UF2, ds.UFperm)},
                   "column", columnSeen);
    } else if (ds.cyltype == kStringerStiffened) {
      CheckPicture(stiff, {UsageOf(ds, ds.UFst, ds.UFpermst)}, "stiffener", stiffSeen);
    }
    CheckPicture(ring, {UsageOf(ds, ds.UFarea, ds.UF), UsageOf(ds, ds.UFinertia, ds.UF)}, "ring",
                 ringSeen);
    if (::testing::Test::HasFailure()) break;
  }
  // The sweep reaches passing, failing and undefined results in every table.
  for (const Seen* k : {&shellSeen, &stiffSeen, &columnSeen, &ringSeen}) {
    EXPECT_GT(k->green, 0);
    EXPECT_GT(k->red, 0);
    EXPECT_GT(k->undefined, 0);
  }
}

}  // namespace
}  // namespace tamrel
