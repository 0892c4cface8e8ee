// What the fuzz targets found, each kept with its minimised input: a table
// row in tests/fixtures/fuzz/, a value in the test.

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <string>

#include "calc/colour_rule.h"
#include "calc/picture_window.h"
#include "files/file_numbers.h"
#include "files/project_checks.h"
#include "files/project_test_support.h"
#include "files/table_rows.h"

namespace tamrel {
namespace {

using namespace tamrel::testing;

std::string FuzzFixture(const std::string& name) {
  return ReadBytes(std::string(TAMREL_FIXTURE_DIR) + "/fuzz/" + name);
}

// A rolled-section row of a shape that cannot exist, loaded from its table
// file and taken as stiffener and ring frame: no usage factor that uses it
// is drawn green.
//  - L 2 x 9 x 68 x 6: the flange is thicker than the profile is high, so
//    the web height and the area are negative (UFarea -16.5 was green);
//  - bulb flat 50 x 2 with bulb 4, radius 4 and area 4 mm2: the area is
//    smaller than the web's alone, so the flange of its equivalent angle
//    is negative (UFinertia -385 was green).
TEST(FuzzFindings, RowsOfImpossibleProfilesAreNeverDrawnGreen) {
  struct Case {
    const char* fixture;
    int table;  // in kProfileUses
  };
  for (const Case& c :
       {Case{"lprof_flange_thicker_than_height.dat", 1}, Case{"bfprof_area_below_web.dat", 0}}) {
    SCOPED_TRACE(c.fixture);
    const ProfileUse& use = kProfileUses[c.table];
    DesignState ds = StartedProgram(TAMREL_DATA_DIR);
    ParseProfileTable(FuzzFixture(c.fixture), use.file, ds.*use.table);
    ASSERT_EQ((ds.*use.table).last, 0);
    PictureWindow window;
    ds.mainfrm = &window;
    CalculateWithRow(ds, use, 0);
    // Both shapes are impossible: the profile is degenerate as stiffener
    // and as ring frame, so its usage factors are undefined, not numbers.
    EXPECT_TRUE(ds.stiffdegenerate);
    EXPECT_TRUE(ds.girddegenerate);
    for (const std::string& problem : ColourRuleProblems(ds, window.picture(ResultPicture::Shell),
                                                         window.picture(ResultPicture::Stiffener),
                                                         window.picture(ResultPicture::Ring))) {
      ADD_FAILURE() << problem;
    }
  }
}

// Singles whose 7 significant digits read back as another single: a
// project file must give back the value it was saved with.
TEST(FuzzFindings, SinglesWrittenToProjectFilesReadBackExactly) {
  for (const std::uint32_t bits : {0xaf60a985u /* -2.0432907E-10 */}) {
    const float value = std::bit_cast<float>(bits);
    const std::string text = FormatFileSingle(value);
    float back = 0;
    ASSERT_EQ(ParseFileSingle(text, back), NumberParse::Ok) << text;
    EXPECT_EQ(std::bit_cast<std::uint32_t>(back), bits) << text;
  }
}

}  // namespace
}  // namespace tamrel
