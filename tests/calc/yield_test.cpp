#include "calc/yield.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

namespace tamrel {
namespace {

using Kind = Variant::Kind;

// Columns 1..13: fy1, t1, fy2, t2, ..., t6, fy7. Every strength differs, so a
// wrong step shows.
constexpr float kS355[14] = {0, 355, 16, 345, 40, 335, 63, 325, 80, 315, 100, 295, 150, 285};
constexpr float kOther[14] = {0, 500, 10, 490, 20, 480, 30, 470, 40, 460, 50, 450, 60, 440};

void SetGrade(MaterialTable& m, int g, const float (&row)[14]) {
  for (int c = 1; c <= 13; ++c) m.mattab[g][c] = row[c];
}

// Grades: 0 other, 1 S355, 2 other, 3 the typed-value entry (zeros).
DesignState StateWithGrades() {
  DesignState ds;
  SetGrade(ds.mat, 0, kOther);
  SetGrade(ds.mat, 1, kS355);
  SetGrade(ds.mat, 2, kOther);
  ds.mat.matlast = 3;
  return ds;
}

float Above(float limit) {
  return std::nextafter(limit, std::numeric_limits<float>::infinity());
}

struct ThicknessCase {
  float t;
  float fy;
};

// A thickness equal to a limit belongs to the lower step; just above it, the next.
const ThicknessCase kS355Cases[] = {
    {0.0f, 355},   {1.0f, 355},          {16.0f, 355},  {Above(16.0f), 345},
    {40.0f, 345},  {Above(40.0f), 335},  {63.0f, 335},  {Above(63.0f), 325},
    {80.0f, 325},  {Above(80.0f), 315},  {100.0f, 315}, {Above(100.0f), 295},
    {150.0f, 295}, {Above(150.0f), 285}, {400.0f, 285}, {-5.0f, 355},
};

TEST(YieldLookup, EachMemberAtEachThicknessLimit) {
  for (const auto& c : kS355Cases) {
    SCOPED_TRACE(c.t);
    DesignState ds = StateWithGrades();
    ds.cylt = c.t;
    GetShellYield(ds, 1);
    EXPECT_EQ(ds.fyp.value(), c.fy);
    EXPECT_EQ(ds.fyp.kind(), Kind::Single);

    ds.tmat = c.t;
    GetStiffenerYield(ds, 1);
    EXPECT_EQ(ds.fys.value(), c.fy);
    EXPECT_EQ(ds.fys.kind(), Kind::Single);
    GetRingYield(ds, 1);
    EXPECT_EQ(ds.fyg.value(), c.fy);
    EXPECT_EQ(ds.fyg.kind(), Kind::Single);
  }
}

TEST(YieldLookup, ShellThicknessIsComparedAtItsOwnPrecision) {
  // cylt may hold a double: a hair above 16 mm is above the limit.
  DesignState ds = StateWithGrades();
  ds.cylt = std::nextafter(16.0, 17.0);
  GetShellYield(ds, 1);
  EXPECT_EQ(ds.fyp.value(), 345.0);
  ds.cylt = Variant(static_cast<std::int16_t>(16));  // the defaults store whole numbers as int16
  GetShellYield(ds, 1);
  EXPECT_EQ(ds.fyp.value(), 355.0);
}

TEST(YieldLookup, ShellUsesCyltAndTheOthersTmat) {
  DesignState ds = StateWithGrades();
  ds.cylt = 10.0f;
  ds.tmat = 120.0f;
  GetShellYield(ds, 1);
  GetStiffenerYield(ds, 1);
  GetRingYield(ds, 0);
  EXPECT_EQ(ds.fyp.value(), 355.0);
  EXPECT_EQ(ds.fys.value(), 295.0);
  EXPECT_EQ(ds.fyg.value(), 440.0);  // grade 0: 120 mm is above its last limit of 60
}

TEST(YieldLookup, TypedValueGradeAndIndicesOutsideLeaveTheValue) {
  const std::int16_t grades[] = {3,   4,
                                 20,  21,
                                 100, std::numeric_limits<std::int16_t>::max(),
                                 -1,  std::numeric_limits<std::int16_t>::min()};
  for (const std::int16_t g : grades) {
    SCOPED_TRACE(g);
    DesignState ds = StateWithGrades();
    ds.cylt = 20.0f;
    ds.tmat = 20.0f;
    ds.fyp = 412.5;  // typed, a double
    ds.fys = static_cast<std::int16_t>(300);
    ds.fyg = 277.0f;
    GetShellYield(ds, g);
    GetStiffenerYield(ds, g);
    GetRingYield(ds, g);
    EXPECT_TRUE(ds.fyp.SameAs(Variant(412.5)));
    EXPECT_TRUE(ds.fys.SameAs(Variant(static_cast<std::int16_t>(300))));
    EXPECT_TRUE(ds.fyg.SameAs(Variant(277.0f)));
  }
}

TEST(YieldLookup, OneGradeTableIsTheTypedValueOnly) {
  DesignState ds;
  SetGrade(ds.mat, 0, kS355);
  ds.mat.matlast = 0;
  ds.cylt = 10.0f;
  ds.fyp = 320.0f;
  GetShellYield(ds, 0);
  EXPECT_EQ(ds.fyp.value(), 320.0);
  ds.mat.matlast = -1;  // an empty table
  GetShellYield(ds, 0);
  EXPECT_EQ(ds.fyp.value(), 320.0);
}

TEST(YieldLookup, GradeJustBeforeTheTypedValueIsLookedUp) {
  DesignState ds = StateWithGrades();
  ds.tmat = 25.0f;
  GetRingYield(ds, 2);  // matlast - 1
  EXPECT_EQ(ds.fyg.value(), 480.0);
}

TEST(YieldForThickness, LimitsThatDoNotIncreaseStillGiveOneAnswer) {
  MaterialTable m;
  // The limits of steps 1 and 2 are swapped: 40, 16, 63 ...
  const float row[14] = {0, 355, 40, 345, 16, 335, 63, 325, 80, 315, 100, 295, 150, 285};
  SetGrade(m, 0, row);
  const ThicknessCase cases[] = {
      {10.0f, 355},   // t <= 40
      {40.0f, 355},   // t <= 40
      {50.0f, 335},   // not 40 < t <= 16; 16 < t <= 63
      {200.0f, 285},  // above every limit
  };
  for (const auto& c : cases) EXPECT_EQ(YieldForThickness(m, 0, c.t), c.fy) << c.t;
  // A thickness that passes none of the tests (not a number) takes fy7.
  EXPECT_EQ(YieldForThickness(m, 0, std::nan("")), 285.0f);
}

}  // namespace
}  // namespace tamrel
