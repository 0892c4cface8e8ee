// Recalculates thousands of seeded random design states, with zero,
// negative, tiny and huge values for every numeric input and every code
// in and out of range: nothing may crash or hang, and every usage-factor row
// drawn keeps the colour rule (green only for a finite usage factor >= 0
// within a finite permitted value > 0; "n/a" for one that is not a number).

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "calc/checks.h"
#include "calc/colour_rule.h"
#include "calc/defaults.h"
#include "calc/format.h"
#include "calc/picture_window.h"
#include "calc/random_design_state.h"
#include "calc/recording_surface.h"
#include "calc/result_tables.h"
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

// One picture against the colour rule, counting the kinds of rows it drew.
void CheckPicture(const DesignState& ds, const testing::PictureWindow& w, ResultPicture picture,
                  testing::ColourTally& tally) {
  for (const std::string& problem :
       testing::ColourRuleProblems(w.picture(picture), testing::UsageRowsOf(ds, picture),
                                   testing::PictureName(picture), &tally)) {
    ADD_FAILURE() << problem;
  }
}

TEST(Robustness, RandomDesignStatesNeverCrashHangOrPassUndefinedResults) {
  DesignState base;
  base.apppath = TAMREL_DATA_DIR;
  SetDefaults(base);
  LoadAllTables(base);
  testing::PictureWindow w;

  testing::ColourTally shellSeen, stiffSeen, columnSeen, ringSeen, hiddenSeen;
  Generator g(20261210);
  DesignState ds = base;
  for (int i = 0; i < 4000; ++i) {
    SCOPED_TRACE("state " + std::to_string(i));
    if (g.Pick(4) == 0) ds = base;  // sometimes from a clean project, mostly on top of the last
    testing::Randomise(ds, g);
    w.Fresh();
    ds.mainfrm = &w;
    const auto start = std::chrono::steady_clock::now();
    Recalculate(ds);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    // A hang guard, not a speed measurement (that is the benchmark's job).
    ASSERT_LT(seconds, 5.0);
    EXPECT_FALSE(ds.recalculating);
    CheckPicture(ds, w, ResultPicture::Shell, shellSeen);
    // The stiffener picture is shown for the stringer-stiffened and column
    // types only; for the others it holds whatever the shared table held,
    // still coloured by the rule.
    CheckPicture(ds, w, ResultPicture::Stiffener,
                 ds.cyltype == kColumnBuckling
                     ? columnSeen
                     : (ds.cyltype == kStringerStiffened ? stiffSeen : hiddenSeen));
    CheckPicture(ds, w, ResultPicture::Ring, ringSeen);
    if (::testing::Test::HasFailure()) break;
  }
  // The sweep reaches passing, failing and undefined results in every table.
  for (const testing::ColourTally* k : {&shellSeen, &stiffSeen, &columnSeen, &ringSeen}) {
    EXPECT_GT(k->green, 0);
    EXPECT_GT(k->red, 0);
    EXPECT_GT(k->undefined, 0);
  }
}

}  // namespace
}  // namespace tamrel
