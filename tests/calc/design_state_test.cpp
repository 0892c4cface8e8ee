// Results of the design state are left by the last check that wrote them:
// a check that does not run in a recalculation leaves its results alone.

#include <gtest/gtest.h>

#include "calc/checks.h"
#include "calc_fixture.h"

namespace tamrel {
namespace {

TEST(DesignState, ResultsStayAsTheLastCheckThatRanLeftThem) {
  DesignState ds = testing::SmallProject();

  // Ring stiffened: the stiffener and curved-panel checks never ran.
  ds.cyltype = kRingStiffened;
  Recalculate(ds);
  EXPECT_EQ(ds.UFst.value(), 0.0);
  EXPECT_EQ(ds.UFpermst.value(), 0.0);
  EXPECT_TRUE(ds.sp.empty());
  EXPECT_EQ(ds.stiffTable.last, 0);
  EXPECT_EQ(ds.stiffTable.txt[0], "");

  // Stringer stiffened (l = 3000 >= s = 600): the curved-panel check copies
  // the stiffener spacing into sp, the stiffener check fills its table.
  ds.cyltype = kStringerStiffened;
  Recalculate(ds);
  EXPECT_EQ(ds.sp.value(), 600.0);
  ASSERT_GT(ds.UFst.value(), 0.0);
  ASSERT_GT(ds.stiffTable.last, 0);
  const ResultTable stiffener = ds.stiffTable;
  const Variant ufst = ds.UFst, ufpermst = ds.UFpermst;

  // Back to the unstiffened cylinder: what the stringer checks left stays.
  ds.cyltype = kCylinder;
  ds.Sigx = Variant::Int(-150);
  Recalculate(ds);
  EXPECT_EQ(ds.stiffTable.txt, stiffener.txt);
  EXPECT_EQ(ds.stiffTable.val, stiffener.val);
  EXPECT_EQ(ds.stiffTable.unit, stiffener.unit);
  EXPECT_EQ(ds.stiffTable.last, stiffener.last);
  EXPECT_TRUE(ds.UFst.SameAs(ufst));
  EXPECT_TRUE(ds.UFpermst.SameAs(ufpermst));
  EXPECT_EQ(ds.sp.value(), 600.0);
}

}  // namespace
}  // namespace tamrel
