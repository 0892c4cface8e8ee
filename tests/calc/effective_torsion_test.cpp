// Profile with effective shell plating, and torsional buckling strength.

#include <gtest/gtest.h>

#include <cmath>

#include "calc/sections.h"
#include "calc_fixture.h"

namespace tamrel {
namespace {

using testing::SmallProject;

// Flat bar 100 x 10 (A 1000, zc 50, Iy 833333.3) with 400 mm of 20 mm plate.
TEST(CalcStiffEffective, FlatBarWithPlating) {
  DesignState ds = SmallProject();
  CalcStiffSection(ds, kFlatbarBuiltUp);
  ds.les = 400.0f;
  CalcStiffEffective(ds);
  EXPECT_DOUBLE_EQ(ds.Aeff.value(), 9000);
  EXPECT_NEAR(ds.zna.value(), 60000.0 / 9000, 1e-12);
  EXPECT_NEAR(ds.ztip.value(), 110 - 60000.0 / 9000, 1e-12);
  // 266666.7 + 833333.3 + 1000 * 53.333^2 + 8000 * 6.667^2
  const double zna = 60000.0 / 9000;
  EXPECT_NEAR(
      ds.Ieff.value(),
      400.0 * 8000 / 12 + 833333.3333333334 + 1000 * std::pow(60 - zna, 2) + 8000 * zna * zna,
      1e-6);
  EXPECT_NEAR(ds.Ieff.value(), 4.3e6, 0.01e6);
}

TEST(CalcStiffEffective, NoPlatingGivesTheBareProfile) {
  DesignState ds = SmallProject();
  CalcStiffSection(ds, kTBuiltUp);
  ds.les = 0.0f;
  CalcStiffEffective(ds);
  EXPECT_DOUBLE_EQ(ds.Aeff.value(), ds.As.value());
  EXPECT_DOUBLE_EQ(ds.zna.value(), ds.zcs.value() + 10);
  EXPECT_NEAR(ds.ztip.value(), 200 - ds.zcs.value(), 1e-9);
  EXPECT_NEAR(ds.Ieff.value(), ds.Iys.value(), 1e-6);
}

TEST(CalcRingEffective, RadiiInsideAndOutside) {
  for (std::int16_t outside : {std::int16_t{0}, std::int16_t{1}}) {
    DesignState ds = SmallProject();
    ds.outside = outside;
    CalcRingSection(ds, kTBuiltUp);
    ds.leg = 300.0;
    CalcRingEffective(ds);
    const double zna = ds.zna;
    EXPECT_FLOAT_EQ(ds.rf, outside ? 3543.0f : 3123.0f);
    EXPECT_DOUBLE_EQ(ds.r0.value(), outside ? 3333 + zna : 3333 - zna);
  }
}

TEST(CalcEffective, NoProfileNoPlatingDoesNotDivideByZero) {
  DesignState ds = SmallProject();
  ds.As = 0.0;
  ds.les = 0.0f;
  CalcStiffEffective(ds);
  EXPECT_EQ(ds.Aeff.value(), 0.0);
  EXPECT_TRUE(std::isnan(ds.zna.value()));
}

// Flat-bar stiffener: fEt = G (beta + 0.2 H / r) (tw / H)^2 with beta = 1
// when the plate is fully used (eta >= 1).
TEST(CalcStiffTorsion, BelowAndAboveTheSlendernessLimit) {
  struct Case {
    const char* name;
    Variant H;
    double expected;
  };
  const Case cases[] = {
      {"lambda_T 0.661 > 0.6", Variant::Int(100), 342.37054443359375},
      {"lambda_T 0.529 <= 0.6: fT = fy", Variant::Int(80), 355.0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    DesignState ds = SmallProject();
    ds.stifftype = kFlatbarBuiltUp;
    ds.stifffb_h = c.H;
    ds.stifffb_tw = 10.0f;
    CalcStiffSection(ds, ds.stifftype);
    ds.fyp = 355.0f;
    ds.eta = 1.0;
    CalcStiffTorsion(ds);
    EXPECT_FLOAT_EQ(ds.fTors, static_cast<float>(c.expected));
  }
}

// Flanged stiffener, T 300x90x8x12 on 600 mm spacing, lT 3000, fy 355,
// against a hand calculation: G = E/2.6, Cr = (H - tf)/s (t/tw)^3
// sqrt(1 - eta), beta = (3 Cr + 0.2)/(Cr + 0.2), fEt = beta (Aw + Af
// (tf/tw)^2)/(Aw + 3 Af) G (tw/(H - tf))^2 + pi^2 E Iz/((Af + Aw/3) lT^2).
// A spacing that gives no restraint (zero or negative) is the same as a
// fully used plate.
TEST(CalcStiffTorsion, FlangedProfileAgainstHandCalculation) {
  struct Case {
    const char* name;
    double eta;
    Variant spacing;
    float expected;
  };
  const Case cases[] = {
      {"eta 0.5: lambda_T 1.20", 0.5, Variant::Int(600), 188.20828247070312f},
      {"eta 1: no restraint, lambda_T 1.57", 1.0, Variant::Int(600), 119.30902862548828f},
      {"no spacing: no restraint", 0.5, Variant::Int(0), 119.30902862548828f},
      {"negative spacing: no restraint", 0.5, Variant::Int(-600), 119.30902862548828f},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    DesignState ds = SmallProject();
    ds.stifftype = kTBuiltUp;
    ds.stifftb_h = Variant::Int(300);
    ds.stifftb_tw = Variant::Int(8);
    CalcStiffSection(ds, ds.stifftype);
    ds.fyp = 420.0f;  // no cap
    ds.eta = c.eta;
    ds.stiffspacing = c.spacing;
    CalcStiffTorsion(ds);
    EXPECT_FLOAT_EQ(ds.fTors, c.expected);
  }
}

// Ring frames: the restraint's plate width is the effective shell length
// le, and a cold-formed ring frame gets 0.9 fT also above lambda_T 0.6.
TEST(CalcRingTorsion, AgainstHandCalculation) {
  struct Case {
    const char* name;
    std::int16_t type;
    double eta, le;
    std::int16_t ringfab;
    float expected;
  };
  // L 400x100x6x10 with lT 3000: lambda_T 0.99; I 500x90x6x12 (web height
  // H - 2 tf) with lT 3000: lambda_T 1.91 at eta 1, 1.67 at eta 0.5.
  const Case cases[] = {
      {"L, le 400", kLBuiltUp, 0.5, 400, 0, 248.06735229492188f},
      {"L, le 800", kLBuiltUp, 0.5, 800, 0, 247.94720458984375f},
      {"L cold-formed", kLBuiltUp, 0.5, 400, 1, 223.2606201171875f},
      {"I, eta 1", kIBuiltUp, 1.0, 400, 0, 83.90155792236328f},
      {"I, eta 1, cold-formed", kIBuiltUp, 1.0, 400, 1, 75.51140594482422f},
      {"I, eta 0.5", kIBuiltUp, 0.5, 400, 0, 107.13493347167969f},
      {"I, eta 0.5, cold-formed", kIBuiltUp, 0.5, 400, 1, 96.42144012451172f},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    DesignState ds = SmallProject();
    ds.girdlb_h = Variant::Int(400);
    ds.girdlb_b = Variant::Int(100);
    ds.girdlb_tw = Variant::Int(6);
    ds.girdlb_tf = 10.0f;
    ds.girdib_h = Variant::Int(500);
    ds.girdib_tw = Variant::Int(6);
    ds.ringtype = c.type;
    ds.ringlt = 3000.0f;
    ds.ringfab = c.ringfab;
    CalcRingSection(ds, c.type);
    ds.fyp = 420.0f;
    ds.eta = c.eta;
    ds.le = c.le;
    ds.stiffspacing = Variant::Int(1);  // not the ring frame's plate width
    ds.sp = 1.0;
    CalcRingTorsion(ds);
    EXPECT_FLOAT_EQ(ds.fTors, c.expected);
  }
}

TEST(CalcStiffTorsion, PlateRestraintGrowsAsTheShellIsLessUsed) {
  DesignState ds = SmallProject();
  ds.stifftype = kTBuiltUp;
  ds.stifftb_h = Variant::Int(300);
  ds.stifftb_tw = Variant::Int(8);
  CalcStiffSection(ds, ds.stifftype);
  ds.fyp = 355.0f;
  auto fT = [&](double eta) {
    ds.eta = eta;
    CalcStiffTorsion(ds);
    return ds.fTors;
  };
  const float used = fT(1.0);
  EXPECT_EQ(fT(1.5), used);  // eta >= 1: no restraint (beta = 1)
  EXPECT_LT(used, 355.0f);
  EXPECT_GT(fT(0.5), used);
  // The restraint's plate width is the stiffener spacing, whatever the
  // panel width of an earlier curved-panel check left.
  ds.sp = 0.0;
  const float stale = fT(0.5);
  ds.sp = ds.stiffspacing;
  EXPECT_EQ(fT(0.5), stale);
  EXPECT_TRUE(std::isfinite(stale));
}

TEST(Torsion, CapAtPlateYieldColdFormedAndUncheckedTypes) {
  struct Case {
    const char* name;
    bool ring;
    std::int16_t type;
    std::int16_t grade;  // 2: 355, 3: 420
    std::int16_t ringfab;
    float expected;
  };
  const Case cases[] = {
      {"stiffener fy 420 capped at fyp 355", false, kFlatbarBuiltUp, 3, 0, 355.0f},
      {"RHS stiffener: fT = fy", false, kRHS, 2, 0, 355.0f},
      {"I stiffener: no torsional check", false, kIBuiltUp, 2, 0, 355.0f},
      {"I stiffener fy 420: capped", false, kIBuiltUp, 3, 0, 355.0f},
      {"cold-formed ring, stocky: 0.9 fy", true, kFlatbarBuiltUp, 2, 1, 0.9f * 355.0f},
      {"cold-formed ring fy 420: 0.9*420 = 378, capped", true, kFlatbarBuiltUp, 3, 1, 355.0f},
      {"trapezoid ring: fT = fy", true, kTrapezProfile, 2, 0, 355.0f},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    DesignState ds = SmallProject();
    ds.fyp = 355.0f;
    ds.eta = 0.5;
    ds.stifffb_h = Variant::Int(60);  // stocky flat bars: lambda_T < 0.6
    ds.girdfb_h = Variant::Int(60);
    ds.girdfb_tw = 10.0f;
    ds.ringfab = c.ringfab;
    if (c.ring) {
      ds.ringtype = c.type;
      ds.matg = c.grade;
      ds.le = 400.0;
      CalcRingSection(ds, c.type);
      CalcRingTorsion(ds);
    } else {
      ds.stifftype = c.type;
      ds.mats = c.grade;
      CalcStiffSection(ds, c.type);
      CalcStiffTorsion(ds);
    }
    EXPECT_FLOAT_EQ(ds.fTors, c.expected);
  }
}

// An I ring frame is checked for tripping with the web height H - 2 tf.
TEST(CalcRingTorsion, IRingIsChecked) {
  DesignState ds = SmallProject();
  ds.fyp = 355.0f;
  ds.eta = 1.0;
  ds.le = 400.0;
  ds.ringlt = 3000.0f;
  ds.ringtype = kIBuiltUp;
  ds.girdib_h = Variant::Int(500);
  ds.girdib_tw = Variant::Int(6);
  CalcRingSection(ds, kIBuiltUp);
  CalcRingTorsion(ds);
  EXPECT_LT(ds.fTors, 355.0f);
  EXPECT_GT(ds.fTors, 0.0f);
}

// No tripping length: the elastic torsional strength is unbounded, lambda_T
// is 0 and fT = fy (capped at the plate's yield strength); not "no strength".
TEST(Torsion, ZeroTrippingLengthGivesTheYieldStrength) {
  DesignState ds = SmallProject();
  ds.fyp = 355.0f;
  ds.eta = 0.5;
  ds.stifflt = Variant::Int(0);
  ds.stifftype = kTBuiltUp;
  CalcStiffSection(ds, kTBuiltUp);
  CalcStiffTorsion(ds);
  EXPECT_EQ(ds.fTors, 355.0f);
  ds.ringlt = 0.0f;
  ds.ringtype = kTBuiltUp;
  ds.le = 400.0;
  CalcRingSection(ds, kTBuiltUp);
  CalcRingTorsion(ds);
  EXPECT_EQ(ds.fTors, 355.0f);
}

// A stiffener without a web has no section, and so no torsional strength:
// undefined (shown "n/a", never a pass), neither 0 nor fy. A sound profile
// over a zero plate width still has a finite one.
TEST(Torsion, DegenerateProfilesHaveNoStrength) {
  DesignState ds = SmallProject();
  ds.fyp = 355.0f;
  ds.eta = 0.5;
  ds.stifftb_tw = Variant::Int(0);
  ds.stifftype = kTBuiltUp;
  CalcStiffSection(ds, kTBuiltUp);
  CalcStiffTorsion(ds);
  EXPECT_TRUE(std::isnan(ds.fTors)) << ds.fTors;
  ds.stiffspacing = Variant::Int(0);
  ds.stifftb_tw = Variant::Int(9);
  CalcStiffSection(ds, kTBuiltUp);
  CalcStiffTorsion(ds);
  EXPECT_TRUE(std::isfinite(ds.fTors));
}

// A profile without web height or height never divides by zero into a full
// strength: it has no section and no torsional strength (NaN). Each member,
// each formula, and the types whose fT is otherwise fy.
TEST(Torsion, NoWebHeightGivesNoStrength) {
  struct Case {
    const char* name;
    bool ring;
    std::int16_t type;
  };
  const Case cases[] = {
      {"I ring, H = 2 tf", true, kIBuiltUp},
      {"T ring, H = tf", true, kTBuiltUp},
      {"T stiffener, H = tf", false, kTBuiltUp},
      {"flat bar ring, H = 0", true, kFlatbarBuiltUp},
      {"flat bar stiffener, H = 0", false, kFlatbarBuiltUp},
      {"RHS ring, B = 0", true, kRHS},
      {"trapezoid stiffener, B = 0", false, kTrapezProfile},
      {"I stiffener, H = 2 tf", false, kIBuiltUp},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    DesignState ds = SmallProject();
    ds.fyp = 355.0f;
    ds.eta = 0.5;
    ds.le = 400.0;
    ds.girdib_h = Variant::Int(24);
    ds.girdtb_h = Variant::Int(12);
    ds.stifftb_h = Variant::Int(12);
    ds.girdfb_h = Variant::Int(0);
    ds.stifffb_h = Variant::Int(0);
    ds.girdrhs_b = Variant::Int(0);
    ds.stiffusp_b = Variant::Int(0);
    ds.stiffib_h = Variant::Int(24);
    ds.stiffib_tf = 12.0f;
    if (c.ring) {
      ds.ringtype = c.type;
      CalcRingSection(ds, c.type);
      CalcRingTorsion(ds);
    } else {
      ds.stifftype = c.type;
      CalcStiffSection(ds, c.type);
      CalcStiffTorsion(ds);
    }
    EXPECT_TRUE(std::isnan(ds.fTors)) << ds.fTors;
  }
}

}  // namespace
}  // namespace tamrel
