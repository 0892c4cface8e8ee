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
    ds.Aws = -2.0;
    ds.Afs = -3.0f;
    c.setup(ds);
    CalcStiffSection(ds, c.type);
    ExpectRel(ds.As, c.A, "A");
    ExpectRel(ds.zcs, c.zc, "zc");
    ExpectRel(ds.Iys, c.Iy, "Iy");
    if (std::isnan(c.Iz)) {
      EXPECT_EQ(ds.Izs.value(), -1.0) << "Iz is not written for this type";
      EXPECT_EQ(ds.Aws.value(), -2.0) << "nor the web area";
      EXPECT_EQ(ds.Afs, -3.0f) << "nor the flange area";
    } else {
      ExpectRel(ds.Izs, c.Iz, "Iz");
    }
    ExpectRel(ds.gstiff, 7850 * c.A / 1e6, "g");
    EXPECT_EQ(w.stiffCaption, c.caption);
    EXPECT_EQ(w.stiffIcon, c.icon);
  }
}

// A bulb flat is an equivalent angle: B = tw + c - 0.45 r, tf from the
// table's area, so that hw tw + B tf gives the area back. Expected values by
// the parallel-axis theorem on web and flange rectangles.
TEST(CalcStiffSection, BulbFlatIsAnEquivalentAngleWithTheTableArea) {
  struct Case {
    int row;
    double B;
    float tf;
    double A, zc, Iy, Iz, g;
    const char* caption;
  };
  const Case cases[] = {
      // 200 x 10, c 28, r 8, A 2566
      {0, 34.4, 23.19672203063965f, 2566.0000038146973, 119.49934874294597, 10139595.256702349,
       160525.07369532643, 20.143100029945373, "BF 200x10.0"},
      // 220 x 9, c 31, r 9, A 2678
      {1, 35.95, 25.89981460571289f, 2677.9999961853027, 135.29535659546028, 12885753.29401759,
       210563.0959321218, 21.022299970054625, "BF 220x9.0"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.caption);
    DesignState ds = SmallProject();
    testing::SetRowValues(ds.bfprof, 1, {220, 9, 31, 9, 2678});
    FakeWindow w;
    ds.mainfrm = &w;
    ds.stiffhpidx = static_cast<std::int16_t>(c.row);
    CalcStiffSection(ds, kBulbFlat);
    EXPECT_DOUBLE_EQ(ds.bs.value(), c.B);
    EXPECT_EQ(ds.tfs, c.tf);
    EXPECT_NEAR(ds.As.value(), c.A, 1e-9);  // the table's area, up to the single flange area
    EXPECT_NEAR(ds.zcs.value(), c.zc, 1e-7 * c.zc);
    EXPECT_NEAR(ds.Iys.value(), c.Iy, 1e-7 * c.Iy);
    EXPECT_NEAR(ds.Izs.value(), c.Iz, 1e-7 * c.Iz);
    EXPECT_NEAR(ds.gstiff.value(), c.g, 1e-9);
    EXPECT_EQ(ds.cs.value(), c.row == 0 ? 28 : 31);
    EXPECT_EQ(ds.Ros.value(), c.row == 0 ? 8 : 9);
    EXPECT_EQ(w.stiffCaption, c.caption);
    EXPECT_EQ(w.stiffIcon, ProfileIcon::stiff_hp);
    EXPECT_EQ(ds.tmat, c.row == 0 ? 10.0f : 9.0f);  // web thickness for a bulb flat
  }
}

// The ring-frame routine reads the ring frame's own rows and built-up sets
// (each differs here from the stiffener's), holds Iz in single precision and
// gives a flat bar no flange.
TEST(CalcRingSection, PropertiesCaptionAndIconPerProfileType) {
  const float none = std::nanf("");
  struct Case {
    const char* name;
    std::int16_t type;
    std::function<void(DesignState&)> setup;
    double A, zc, Iy;
    float Iz;  // NaN: not written for this type
    double g;
    float tf;
    const char* caption;
    ProfileIcon icon;
  };
  const Case cases[] = {
      {"L table", kLTable, [](DesignState& ds) { ds.girdlidx = 1; }, 2900, 129.48275862068965,
       12275890.8045977, 2160057.5f, 22.765, 10.0f, "L200x100x10.0x10.0", ProfileIcon::gird_l},
      {"L built up", kLBuiltUp,
       [](DesignState& ds) {
         ds.girdlb_h = Variant::Int(250);
         ds.girdlb_b = Variant::Int(80);
         ds.girdlb_tw = Variant::Int(8);
         ds.girdlb_tf = 14.0f;
       },
       3008, 164.54255319148936, 19765173.219858155, 1508393.75f, 23.6128, 14.0f,
       "L250x80x8.0x14.0", ProfileIcon::gird_l},
      {"T table", kTTable, [](DesignState& ds) { ds.girdtidx = 0; }, 1362.39999127388,
       76.94495028788232, 1161827.3900102295, 708333.3125f, 10.694839931499958, 8.5f,
       "T100x100x5.6x8.5", ProfileIcon::gird_t},
      {"T built up", kTBuiltUp,
       [](DesignState& ds) {
         ds.girdtb_h = Variant::Int(300);
         ds.girdtb_b = Variant::Int(150);
         ds.girdtb_tw = Variant::Int(10);
         ds.girdtb_tf = 16.0f;
       },
       5240, 210.70229007633588, 48406962.23918575, 4500000.0f, 41.134, 16.0f, "T300x150x10.0x16.0",
       ProfileIcon::gird_t},
      {"flat bar table", kFlatbarTable, [](DesignState& ds) { ds.girdfidx = 1; }, 2400, 100,
       8000000, 28800.0f, 18.84, 0.0f, "Fb200x12.0", ProfileIcon::gird_f},
      {"flat bar built up", kFlatbarBuiltUp,
       [](DesignState& ds) {
         ds.girdfb_h = Variant::Int(150);
         ds.girdfb_tw = 8.0f;
       },
       1200, 75, 2250000, 6400.0f, 9.42, 0.0f, "Fb150x8.0", ProfileIcon::gird_f},
      {"bulb flat", kBulbFlat, [](DesignState& ds) { ds.girdhpidx = 0; }, 2566.0000038146973,
       119.49934874294597, 10139595.256702349, 160525.078125f, 20.143100029945373,
       23.19672203063965f, "BF 200x10.0", ProfileIcon::gird_hp},
      {"RHS", kRHS,
       [](DesignState& ds) {
         ds.girdrhs_h = Variant::Int(160);
         ds.girdrhs_b = Variant::Int(80);
         ds.girdrhs_tw = 6.0f;
       },
       2736, 80, 8936512, none, 21.4776, 6.0f, "RHS160x80x6.0", ProfileIcon::gird_rhs},
      {"trapezoid", kTrapezProfile,
       [](DesignState& ds) {
         ds.girdusp_h = Variant::Int(150);
         ds.girdusp_b = Variant::Int(120);
         ds.girdusp_a = Variant::Int(40);
         ds.girdusp_tw = 6.0f;
       },
       2508.384925009155, 93.52779641657388, 5979988.143920831, none, 19.690821661321863, 6.0f,
       "U150x120x6.0", ProfileIcon::gird_u},
      {"I built up", kIBuiltUp,
       [](DesignState& ds) {
         ds.girdib_h = Variant::Int(300);
         ds.girdib_b = Variant::Int(120);
         ds.girdib_tw = Variant::Int(8);
         ds.girdib_tf = 10.0f;
       },
       4640, 150, 65114666.666666664, 1440000.0f, 36.424, 10.0f, "I300x120x8.0x10.0",
       ProfileIcon::gird_i},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    DesignState ds = SmallProject();
    FakeWindow w;
    ds.mainfrm = &w;
    ds.Izg = -1.0f;  // marks "not written"
    c.setup(ds);
    CalcStiffSection(ds, ds.stifftype);
    const double stiffA = ds.As;
    const std::string stiffCaption = w.stiffCaption;
    CalcRingSection(ds, c.type);
    EXPECT_NEAR(ds.Ag.value(), c.A, 1e-9 * c.A);
    EXPECT_NEAR(ds.zcg.value(), c.zc, 1e-7 * c.zc);
    EXPECT_NEAR(ds.Iyg.value(), c.Iy, 1e-7 * c.Iy);
    if (std::isnan(c.Iz)) {
      EXPECT_EQ(ds.Izg, -1.0f) << "Iz is not written for this type";
    } else {
      EXPECT_EQ(ds.Izg, c.Iz);  // single precision
    }
    EXPECT_NEAR(ds.ggird.value(), c.g, 1e-9 * c.g);
    EXPECT_EQ(ds.tfg, c.tf);
    EXPECT_EQ(w.ringCaption, c.caption);
    EXPECT_EQ(w.ringIcon, c.icon);
    EXPECT_EQ(ds.As.value(), stiffA);  // the stiffener is left alone
    EXPECT_EQ(w.stiffCaption, stiffCaption);
  }
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
  const Case ringCases[] = {
      {"ring L row past the loaded rows", kLTable, [](DesignState& ds) { ds.girdlidx = 2; }},
      {"ring T row beyond capacity", kTTable, [](DesignState& ds) { ds.girdtidx = 41; }},
      {"ring flat bar row negative", kFlatbarTable, [](DesignState& ds) { ds.girdfidx = -5; }},
      {"ring bulb row past", kBulbFlat, [](DesignState& ds) { ds.girdhpidx = 60; }},
  };
  for (const auto& c : ringCases) {
    SCOPED_TRACE(c.name);
    DesignState ds = SmallProject();
    c.setup(ds);
    CalcRingSection(ds, c.type);
    EXPECT_EQ(ds.hg.value(), 200);
    EXPECT_EQ(ds.bg.value(), 90);
    EXPECT_EQ(ds.twg.value(), 9);
    EXPECT_EQ(ds.tfg, 12.0f);
    EXPECT_EQ(ds.cg.value(), 1);  // a bulb's c and r are dimensions too
    EXPECT_EQ(ds.Rog.value(), 10);
    EXPECT_TRUE(std::isfinite(ds.Ag.value()));
  }
  DesignState ds = SmallProject();
  FakeWindow w;
  ds.mainfrm = &w;
  ds.As = 123.0;
  ds.Ag = 321.0;
  ds.tmat = 7.0f;
  ds.fys = 1.0f;
  ds.fyg = 2.0f;
  ds.stiffclass[1] = "kept";
  ds.girdclass[2] = "kept";
  for (std::int16_t code : {std::int16_t{-1}, std::int16_t{10}, std::int16_t{32767}}) {
    CalcStiffSection(ds, code);
    CalcRingSection(ds, code);
  }
  EXPECT_EQ(ds.As.value(), 123.0);
  EXPECT_EQ(ds.Ag.value(), 321.0);
  EXPECT_EQ(ds.tmat, 7.0f);
  EXPECT_EQ(ds.fys.value(), 1.0);  // no yield lookup either
  EXPECT_EQ(ds.fyg.value(), 2.0);
  EXPECT_EQ(ds.stiffclass[1], "kept");
  EXPECT_EQ(ds.girdclass[2], "kept");
  EXPECT_TRUE(w.messages.empty());
  EXPECT_EQ(w.stiffCaption, "");
  EXPECT_EQ(w.ringCaption, "");
}

}  // namespace
}  // namespace tamrel
