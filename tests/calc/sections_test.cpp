#include "calc/sections.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

#include "calc_fixture.h"
#include "fake_window.h"

namespace tamrel {
namespace {

using testing::FakeWindow;
using testing::SmallProject;

struct SectionCase {
  const char* name;
  std::int16_t type;
  std::function<void(DesignState&)> setup;
  double A, zc, Iy, Iz;  // Iz NaN: not written for this type
  const char* caption;
  ProfileIcon icon;
};

void ExpectRel(double actual, double expected, const char* what) {
  EXPECT_NEAR(actual, expected, 1e-9 * std::fabs(expected) + 1e-9) << what;
}

// Section properties against hand calculations (parallel-axis theorem on
// web and flange rectangles; closed forms for the box and the I).
TEST(CalcStiffSection, PropertiesAndCaptionPerProfileType) {
  const double nan = std::nan("");
  const SectionCase cases[] = {
      {"L built up", kLBuiltUp, [](DesignState&) {}, 2772, 132.96103896103895, 11588671.792207792,
       1810286.883116883, "L200x90x9.0x12.0", ProfileIcon::stiff_l},
      {"L table", kLTable, [](DesignState& ds) { ds.stifflidx = 0; }, 864, 64.36111111111111,
       905775.3333333334, 157283.3333333333, "L100x50x6.0x6.0", ProfileIcon::stiff_l},
      {"T built up", kTBuiltUp, [](DesignState&) {}, 2772, 132.96103896103895, 11588671.792207792,
       729000, "T200x90x9.0x12.0", ProfileIcon::stiff_t},
      {"T table", kTTable, [](DesignState& ds) { ds.stifftidx = 1; }, 2772, 132.96103896103895,
       11588671.792207792, 729000, "T200x90x9.0x12.0", ProfileIcon::stiff_t},
      {"flat bar table", kFlatbarTable, [](DesignState& ds) { ds.stifffidx = 0; }, 1000, 50,
       833333.3333333334, 8333.333333333334, "Fb100x10.0", ProfileIcon::stiff_f},
      {"flat bar built up", kFlatbarBuiltUp, [](DesignState&) {}, 1000, 50, 833333.3333333334,
       8333.333333333334, "Fb100x10.0", ProfileIcon::stiff_f},
      {"RHS", kRHS, [](DesignState&) {}, 4896, 100, 23828592, nan, "RHS200x90x9.0",
       ProfileIcon::stiff_rhs},
      {"trapezoid", kTrapezProfile, [](DesignState&) {}, 4353.80928521838, 114.10439782583107,
       17371986.82061199, nan, "U200x90x9.0", ProfileIcon::stiff_u},
      {"I built up", kIBuiltUp, [](DesignState&) {}, 3744, 100, 23200512, 729000,
       "I200x90x9.0x12.0", ProfileIcon::stiff_i},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    DesignState ds = SmallProject();
    FakeWindow w;
    ds.mainfrm = &w;
    ds.Izs = -1.0;  // marks "not written"
    c.setup(ds);
    CalcStiffSection(ds, c.type);
    ExpectRel(ds.As, c.A, "A");
    ExpectRel(ds.zcs, c.zc, "zc");
    ExpectRel(ds.Iys, c.Iy, "Iy");
    if (std::isnan(c.Iz)) {
      EXPECT_EQ(ds.Izs.value(), -1.0) << "Iz is not written for this type";
    } else {
      ExpectRel(ds.Izs, c.Iz, "Iz");
    }
    ExpectRel(ds.gstiff, 7850 * c.A / 1e6, "g");
    EXPECT_EQ(w.stiffCaption, c.caption);
    EXPECT_EQ(w.stiffIcon, c.icon);
  }
}

TEST(CalcStiffSection, BulbFlatIsAnEquivalentAngleWithTheTableArea) {
  DesignState ds = SmallProject();
  FakeWindow w;
  ds.mainfrm = &w;
  ds.stiffhpidx = 0;  // 200 x 10, c 28, r 8, A 2566
  CalcStiffSection(ds, kBulbFlat);
  EXPECT_DOUBLE_EQ(ds.bs.value(), 10 + 28 - 0.45 * 8);  // B = tw + c - 0.45 r
  EXPECT_FLOAT_EQ(ds.tfs, static_cast<float>(566 / 24.4));
  EXPECT_NEAR(ds.As.value(), 2566, 1e-3);  // hw tw + B tf gives back the table's area
  EXPECT_EQ(ds.cs.value(), 28);
  EXPECT_EQ(ds.Ros.value(), 8);
  EXPECT_EQ(w.stiffCaption, "BF 200x10.0");
  EXPECT_EQ(w.stiffIcon, ProfileIcon::stiff_hp);
  EXPECT_EQ(ds.tmat, 10.0f);  // web thickness for a bulb flat
}

TEST(ProfileCaption, PatternsAndDecimalSign) {
  struct Case {
    std::int16_t type;
    Variant H, B, tw;
    float tf;
    char dec;
    const char* expected;
  };
  const Case cases[] = {
      {kTTable, 200.0f, 90.0f, 9.0f, 12.0f, '.', "T200x90x9.0x12.0"},
      {kTTable, 200.0f, 90.0f, 9.0f, 12.0f, ',', "T200x90x9,0x12,0"},
      {kLTable, 65.0f, 50.0f, 5.6f, 8.5f, '.', "L65x50x5.6x8.5"},
      {kLTable, Variant::Int(5), Variant::Int(7), 0.25, 0.45f, '.', "L05x07x0.3x0.5"},
      {kFlatbarBuiltUp, Variant::Int(100), Variant::Int(0), 10.0f, 0, '.', "Fb100x10.0"},
      {kBulbFlat, 200.0f, 34.4, 10.0f, 23.2f, ',', "BF 200x10,0"},
      {kRHS, Variant::Int(200), Variant::Int(90), 9.0f, 9.0f, '.', "RHS200x90x9.0"},
      {kTrapezProfile, Variant::Int(200), Variant::Int(90), 9.0f, 9.0f, '.', "U200x90x9.0"},
      {kIBuiltUp, Variant::Int(300), Variant::Int(150), 10.0f, 15.5f, '.', "I300x150x10.0x15.5"},
      {10, Variant::Int(300), Variant::Int(150), 10.0f, 15.5f, '.', ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ProfileCaption(c.type, c.H, c.B, c.tw, c.tf, c.dec), c.expected);
  }
}

TEST(CalcStiffSection, LookupThicknessAndYield) {
  DesignState ds = SmallProject();
  ds.mats = 0;  // S235: 235 up to 16 mm, 225 up to 40 mm
  ds.stifftb_tw = Variant::Int(9);
  ds.stifftb_tf = 18.0f;
  CalcStiffSection(ds, kTBuiltUp);
  EXPECT_EQ(ds.tmat, 18.0f);  // the larger plate: the flange
  EXPECT_EQ(ds.fys.value(), 225.0);
  ds.stifftb_tw = Variant::Int(20);
  CalcStiffSection(ds, kTBuiltUp);
  EXPECT_EQ(ds.tmat, 20.0f);  // tf < tw takes tw
  ds.stifftb_tw = 12.0f;
  ds.stifftb_tf = 12.0f;
  CalcStiffSection(ds, kTBuiltUp);
  EXPECT_EQ(ds.tmat, 12.0f);
  EXPECT_EQ(ds.fys.value(), 235.0);
}

TEST(CalcStiffSection, FlatBarKeepsFlangeRingFlatBarClearsIt) {
  DesignState ds = SmallProject();
  ds.bs = Variant::Int(77);
  ds.tfs = 13.0f;
  CalcStiffSection(ds, kFlatbarBuiltUp);
  EXPECT_EQ(ds.bs.value(), 77);
  EXPECT_EQ(ds.tfs, 13.0f);
  ds.girdfb_h = Variant::Int(200);
  ds.girdfb_tw = 9.0f;
  CalcRingSection(ds, kFlatbarBuiltUp);
  EXPECT_EQ(ds.tfg, 0.0f);
  EXPECT_EQ(ds.hg.value(), 200);
  EXPECT_EQ(ds.Ag.value(), 1800);
}

// Out-of-range row indices and codes never index a table.
TEST(CalcStiffSection, OutOfRangeRowsAndCodesKeepTheDimensions) {
  struct Case {
    const char* name;
    std::int16_t type;
    std::function<void(DesignState&)> setup;
  };
  const Case cases[] = {
      {"L row past the loaded rows", kLTable, [](DesignState& ds) { ds.stifflidx = 2; }},
      {"L row beyond capacity", kLTable, [](DesignState& ds) { ds.stifflidx = 32000; }},
      {"negative T row", kTTable, [](DesignState& ds) { ds.stifftidx = -1; }},
      {"flat bar row past", kFlatbarTable, [](DesignState& ds) { ds.stifffidx = 40; }},
      {"bulb row past", kBulbFlat, [](DesignState& ds) { ds.stiffhpidx = 1; }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    DesignState ds = SmallProject();
    c.setup(ds);
    CalcStiffSection(ds, c.type);
    EXPECT_EQ(ds.hs.value(), 200);
    EXPECT_EQ(ds.bs.value(), 90);
    EXPECT_EQ(ds.tws.value(), 9);
    EXPECT_EQ(ds.tfs, 12.0f);
  }
  DesignState ds = SmallProject();
  FakeWindow w;
  ds.mainfrm = &w;
  ds.As = 123.0;
  ds.tmat = 7.0f;
  for (std::int16_t code : {std::int16_t{-1}, std::int16_t{10}, std::int16_t{32767}}) {
    CalcStiffSection(ds, code);
    CalcRingSection(ds, code);
  }
  EXPECT_EQ(ds.As.value(), 123.0);
  EXPECT_EQ(ds.tmat, 7.0f);
  EXPECT_EQ(w.stiffCaption, "");
  EXPECT_EQ(w.ringCaption, "");
}

}  // namespace
}  // namespace tamrel
