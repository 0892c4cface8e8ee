// The section routines reuse a profile caption or local-buckling line while
// the numbers it was built from stay. After any sequence of changes the texts
// must be those a design state without anything kept would build.

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "calc/checks.h"
#include "calc_fixture.h"
#include "fake_window.h"

namespace tamrel {
namespace {

// One change a user, a dialog or a file could make between recalculations.
void Change(DesignState& ds, std::mt19937& rng) {
  auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
  auto in = [&](double lo, double hi) {
    return std::uniform_real_distribution<double>(lo, hi)(rng);
  };
  // A dimension as a single, as a 16-bit integer or as a double: the kind
  // decides the digits it shows with.
  auto dimension = [&](double lo, double hi) -> Variant {
    const double v = in(lo, hi);
    switch (pick(3)) {
      case 0: return static_cast<float>(v);
      case 1: return Variant::Int(static_cast<std::int16_t>(v));
      default: return v;
    }
  };
  switch (pick(14)) {
    case 0: ds.stifftype = static_cast<std::int16_t>(pick(10)); break;
    case 1: ds.ringtype = static_cast<std::int16_t>(pick(10)); break;
    case 2: ds.girdtb_h = dimension(50, 900); break;
    case 3: ds.girdtb_tw = dimension(2, 30); break;
    case 4: ds.girdtb_tf = static_cast<float>(in(2, 40)); break;
    case 5: ds.stifftb_h = dimension(50, 500); break;
    case 6: ds.stifftb_b = dimension(20, 300); break;
    case 7: ds.emod = static_cast<float>(in(50000, 300000)); break;
    case 8: ds.matg = static_cast<std::int16_t>(pick(6)); break;
    case 9: ds.mats = static_cast<std::int16_t>(pick(6)); break;
    case 10: ds.decflag = Variant::Int(static_cast<std::int16_t>(pick(2))); break;
    case 11: ds.cylr = static_cast<float>(in(300, 8000)); break;  // the ring's flange radius
    case 12:
      // Another writer of the texts (a project opened, a dialog).
      ds.stiffclass[1] = "changed elsewhere";
      ds.girdclass[2] = "changed elsewhere";
      break;
    default: ds.cyltype = static_cast<std::int16_t>(pick(4)); break;
  }
}

TEST(SectionTexts, ReusedTextsAreThoseBuiltAfresh) {
  std::mt19937 rng(15);
  DesignState ds = testing::Project(kStringerStiffened);
  testing::FakeWindow kept;
  ds.mainfrm = &kept;
  ds.ring = 1;
  ds.ringtype = kTBuiltUp;
  ds.stifftype = kTBuiltUp;
  for (int step = 0; step < 3000; ++step) {
    Change(ds, rng);
    DesignState fresh = ds;
    fresh.stiffTexts = {};
    fresh.girdTexts = {};
    testing::FakeWindow built;
    fresh.mainfrm = &built;
    kept.stiffCaption.clear();  // only what this recalculation sets
    kept.ringCaption.clear();
    Recalculate(ds);
    Recalculate(fresh);
    SCOPED_TRACE(step);
    ASSERT_EQ(ds.stiffclass, fresh.stiffclass);
    ASSERT_EQ(ds.girdclass, fresh.girdclass);
    ASSERT_EQ(kept.stiffCaption, built.stiffCaption);
    ASSERT_EQ(kept.ringCaption, built.ringCaption);
  }
}

// The decimal sign alone changes a caption; so does the kind a dimension is
// held in, with the same bits: a single shows its 7 digits rounded, a double
// its 15.
TEST(SectionTexts, FollowTheDecimalSignAndTheKindOfTheValue) {
  DesignState ds = testing::Project(kRingStiffened);
  testing::FakeWindow w;
  ds.mainfrm = &w;
  ds.ringtype = kTBuiltUp;
  ds.girdtb_tw = 9.5f;
  Recalculate(ds);
  EXPECT_NE(w.ringCaption.find("9.5"), std::string::npos) << w.ringCaption;
  ds.decflag = Variant::Int(-1);
  Recalculate(ds);
  EXPECT_NE(w.ringCaption.find("9,5"), std::string::npos) << w.ringCaption;

  const float tw = 9.4499998f;  // 9.44999981... : 9.450000 at 7 digits
  ds.girdtb_tw = tw;
  Recalculate(ds);
  EXPECT_NE(w.ringCaption.find("x9,5x"), std::string::npos) << w.ringCaption;
  ds.girdtb_tw = static_cast<double>(tw);
  Recalculate(ds);
  EXPECT_NE(w.ringCaption.find("x9,4x"), std::string::npos) << w.ringCaption;
}

}  // namespace
}  // namespace tamrel
