// Design stresses and the shell, curved-panel, stiffener and column checks.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>

#include "calc/checks.h"
#include "calc/checks_internal.h"
#include "calc/recording_surface.h"
#include "calc/result_tables.h"
#include "calc/yield.h"
#include "calc_fixture.h"
#include "fake_window.h"

namespace tamrel {
namespace {

using testing::FakeWindow;
using testing::Project;
using testing::SmallProject;

TEST(Checks, NewProjectGeometryGivesTheKnownStrengths) {
  DesignState ds = Project(kCylinder);
  Recalculate(ds);
  EXPECT_NEAR(ds.Z.value(), 128.8, 0.05);
  EXPECT_EQ(ds.shellTable.val[1], "262.6");  // fEa
  EXPECT_EQ(ds.shellTable.val[2], "68.6");   // fEh
  EXPECT_EQ(ds.shellTable.val[3], "171.7");  // fEtau
  EXPECT_EQ(ds.shellTable.txt[3], "fEtau = ");

  // The column's shell length is its column length, L = 6000 mm:
  // Z = 6000^2 / (3333 * 20) sqrt(0.91) = 515.2, rhoM = 0.5 / sqrt(1 + 3333 / 6000)
  // = 0.4009, C = sqrt(1 + (0.4009 * 0.702 * 515.2)^2) = 145.0,
  // fEm = pi^2 * 145.0 * 210000 / 12 / 0.91 * (20 / 6000)^2 = 305.77.
  ds = Project(kColumnBuckling);
  Recalculate(ds);
  EXPECT_EQ(ds.ringspacing.value(), 6000);
  EXPECT_EQ(ds.shellTable.txt[3], "fEm = ");
  EXPECT_EQ(ds.shellTable.val[3], "305.8");

  ds = Project(kStringerStiffened);  // curved panel, s = 600
  Recalculate(ds);
  EXPECT_EQ(ds.shellTable.txt[0], "Shell Buckling: (Ch 3.3.2)");
  EXPECT_EQ(ds.shellTable.val[1], "883.4");  // fEa
  EXPECT_EQ(ds.shellTable.txt[2], "fEtau = ");
  EXPECT_EQ(ds.shellTable.val[2], "1171.7");  // fEtau
  EXPECT_EQ(ds.shellTable.val[3], "235.8");   // fEh
}

// r = 3333, hg = 200, tfg = 12: limit = [s]pi sqrt(3333 * 188) = 2486.83. A
// length at or below the limit passes; one above it is set 1 mm below the
// limit, shown "#00" in its field, which gets the focus, and then passes.
TEST(CheckTrippingLength, LimitOfTheDefaults) {
  const float limit = static_cast<float>(kPi * std::sqrt(3333.0 * 188.0));
  struct Case {
    const char* name;
    float ringlt;
    bool passes;
    double corrected, tolerance;
  };
  const Case cases[] = {
      {"below", 2486.0f, true, 0, 0},
      {"exactly at the single-precision limit", limit, true, 0, 0},
      {"one single step above", std::nextafter(limit, 1e9f), false, limit - 1.0, 1e-3},
      {"above", 2487.0f, false, 2485.83, 0.01},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    DesignState ds = SmallProject();
    FakeWindow w;
    ds.mainfrm = &w;
    ds.ringlt = c.ringlt;
    CheckTrippingLength(ds);
    if (c.passes) {
      EXPECT_EQ(ds.ringlt, c.ringlt);
      EXPECT_TRUE(w.messages.empty());
      EXPECT_TRUE(w.events.empty());
      continue;
    }
    EXPECT_NEAR(ds.ringlt, c.corrected, c.tolerance);
    ASSERT_EQ(w.messages.size(), 1u);
    EXPECT_EQ(w.messages[0], " lt<=pi*Sqr(r*h), ref ch B.5.9 ");
    EXPECT_EQ(w.tripText, "2486");
    EXPECT_EQ(w.events.back(), "focus:igilt");
    const float corrected = ds.ringlt;
    CheckTrippingLength(ds);  // the corrected length passes
    EXPECT_EQ(ds.ringlt, corrected);
    EXPECT_EQ(w.messages.size(), 1u);
  }
}

TEST(CalcDesignStresses, EffectiveLengthHoopAndAxialStress) {
  DesignState ds = Project(kStringerStiffened);
  CalcDesignStresses(ds);
  EXPECT_NEAR(ds.le.value(), 1.56 * std::sqrt(3333.0 * 20), 1e-9);  // 402.8
  EXPECT_NEAR(ds.shp.value(), -0.3 * 3333 / 20, 1e-4);              // p r / t
  EXPECT_NEAR(ds.sh.value(), ds.shp.value() - 10, 1e-12);
  EXPECT_EQ(ds.sa.value(), -100);

  ds.ringspacing = Variant::Int(300);
  CalcDesignStresses(ds);
  EXPECT_EQ(ds.le.value(), 300);

  // Ring stiffened, no pressure: the rings pass a small compressive hoop
  // stress on from the axial compression.
  ds = Project(kRingStiffened);
  ds.pd = 0.0f;
  CalcDesignStresses(ds);
  EXPECT_LT(ds.shp.value(), 0);
  EXPECT_GT(ds.shp.value(), -30);

  // Column: the axial stress comes from N = -1000 kN.
  ds = Project(kColumnBuckling);
  ds.Sigx = Variant::Int(55);
  CalcDesignStresses(ds);
  EXPECT_NEAR(ds.sa.value(), -1000000.0 / (2 * 3.141593 * 3333 * 20), 1e-4);  // -2.39
  EXPECT_EQ(ds.Sigx.value(), ds.sa.value());
}

TEST(CalcDesignStresses, VeryLongRingSpacingDoesNotOverflow) {
  DesignState ds = Project(kRingStiffened);
  ds.ringspacing = 1e9;
  CalcDesignStresses(ds);
  EXPECT_TRUE(std::isfinite(ds.shp.value()));
  EXPECT_NEAR(ds.shp.value(), ToSingle(-0.3f * 3333.0) / 20, 1e-3);  // zeta -> 0
}

TEST(MaterialFactor, SlendernessBoundaries) {
  struct Case {
    double lam, gM, beta;
  };
  const Case cases[] = {
      {0.0, 1.15, 1.0},         {0.4999, 1.15, 1.0}, {0.5, 0.85 + 0.30, 1.2 - 0.2},
      {0.75, 0.85 + 0.45, 0.9}, {1.0, 1.45, 0.8},    {1.0001, 1.45, 0.8},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.lam);
    EXPECT_DOUBLE_EQ(detail::MaterialFactorLRFD(c.lam), c.gM);
    EXPECT_FLOAT_EQ(detail::WsdBeta(c.lam), static_cast<float>(c.beta));
  }
}

TEST(ColumnStrength, SlendernessBoundary) {
  struct Case {
    double lamda, expected;
  };
  const Case cases[] = {
      {0.0, 300.0},
      {1.0, (1 - 0.28) * 300},
      {1.34, (1 - 0.28 * 1.34 * 1.34) * 300},  // at the boundary: the parabola
      {1.3400001, 0.9 / (1.3400001 * 1.3400001) * 300},
      {2.0, 0.9 / 4 * 300},
  };
  for (const auto& c : cases) {
    EXPECT_DOUBLE_EQ(detail::ColumnStrength(c.lamda, 300), c.expected) << c.lamda;
  }
}

// Long cylinders: at l/r = 3.85 sqrt(r/t) the coefficient formula stands for
// shear, just above it fEtau = 0.25 E (t/r)^1.5; likewise 2.25 for hoop.
TEST(CalcShellBuckling, LongCylinderBoundaries) {
  struct Case {
    double l;
    const char* fEtau;
    const char* fEh;
  };
  // r = 2000, t = 20: sqrt(r/t) = 10; 0.25 E (t/r)^1.5 = 52.5, 0.25 E (t/r)^2 = 5.25
  const Case cases[] = {
      {45000, nullptr, nullptr},  // hoop at the boundary: formula
      {45001, nullptr, "5.3"},
      {77000, nullptr, "5.3"},  // shear at the boundary: formula
      {77001, "52.5", "5.3"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.l);
    DesignState ds = Project(kCylinder);
    ds.cylr = 2000.0f;
    ds.ringspacing = c.l;
    Recalculate(ds);
    if (c.fEtau) {
      EXPECT_EQ(ds.shellTable.val[3], c.fEtau);
    } else {
      EXPECT_NE(ds.shellTable.val[3], "52.5");
    }
    if (c.fEh) {
      EXPECT_EQ(ds.shellTable.val[2], c.fEh);
    } else {
      EXPECT_NE(ds.shellTable.val[2], "5.3");
    }
  }
}

// Tension and no load, in the unstiffened shell and in the curved panel:
// slenderness 0, fks = fy, gM = 1.15 under either format; no load at all
// gives a usage factor of 0.
TEST(CalcShellBuckling, TensionAndNoLoad) {
  struct Case {
    const char* name;
    double sigx;
    float sigy, tau, pd;
    std::int16_t lrfd;
  };
  const Case cases[] = {
      {"pure tension LRFD", 100, 10, 0, 0.3f, kLRFD},
      {"pure tension WSD", 100, 10, 0, 0.3f, kWSD},
      {"no load at all", 0, 0, 0, 0, kLRFD},
      {"no load at all WSD", 0, 0, 0, 0, kWSD},
  };
  for (std::int16_t type : {kCylinder, kStringerStiffened}) {
    for (const auto& c : cases) {
      SCOPED_TRACE(std::string(c.name) + ", cylinder type " + std::to_string(type));
      DesignState ds = Project(type);
      ds.Sigx = c.sigx;
      ds.Sigy = c.sigy;
      ds.Tau = c.tau;
      ds.pd = c.pd;
      ds.lrfd = c.lrfd;
      Recalculate(ds);
      const ResultTable& t = ds.shellTable;
      EXPECT_EQ(t.txt[0],
                type == kCylinder ? "Shell Buckling: (Ch 3.4.2)" : "Shell Buckling: (Ch 3.3.2)");
      EXPECT_EQ(ds.lamdas, 0.0f);
      EXPECT_EQ(t.val[7], "355.0");  // fks
      EXPECT_EQ(t.val[8], "1.15");   // gm
      EXPECT_TRUE(std::isfinite(ds.UFshell.value()));
      EXPECT_TRUE(UsageFactorPasses(ds.UFshell, ds.UFpermShell));
      EXPECT_EQ(t.unit[10], c.lrfd == kLRFD ? " <= 1.00" : " <= 1.15");
      if (type == kCylinder) {  // the stiffener check has not overwritten them
        EXPECT_EQ(ds.sa0.value(), 0);
        EXPECT_EQ(ds.fks, 355.0f);
        EXPECT_DOUBLE_EQ(ds.gM.value(), 1.15);
        EXPECT_TRUE(UsageFactorPasses(ds.UFshell, ds.UFperm));
      }
      if (c.sigx == 0) {
        EXPECT_EQ(ds.UFshell.value(), 0);
        EXPECT_EQ(t.val[10], "0.00");
      }
    }
  }
}

TEST(CalcShellBuckling, PermittedUsageFactorByFormat) {
  DesignState ds = Project(kCylinder);
  ds.UF = 0.9f;
  Recalculate(ds);
  EXPECT_DOUBLE_EQ(ds.UFperm.value(), static_cast<double>(0.9f));
  EXPECT_EQ(ds.shellTable.unit[10], " <= 0.90");

  // A stocky shell: the slenderness is below 0.5 whatever the load.
  ds.lrfd = kWSD;
  ds.UF = Variant::Int(1);
  ds.cylt = Variant::Int(50);
  ds.ringspacing = Variant::Int(200);
  Recalculate(ds);
  ASSERT_LT(ds.lamdas, 0.5f);
  EXPECT_DOUBLE_EQ(ds.UFperm.value(), 1.15);
  EXPECT_EQ(ds.shellTable.unit[10], " <= 1.15");
}

// The fksd row and the usage-factor label show fks / gM as formed; only
// the usage factor divides by it rounded to single. Sweep the yield strength
// (typed yield strength) until the two differ in the shown digit, then
// check what is shown.
TEST(CalcShellBuckling, DesignStrengthShownUnrounded) {
  int checked = 0;
  DesignState ds = Project(kCylinder);
  ds.matp = 5;  // typed yield strength
  for (int i = 0; i <= 40000 && checked == 0; ++i) {
    ds.fyp = static_cast<float>(200 + 0.0137 * i);
    Recalculate(ds);
    const double exact = static_cast<double>(ds.fks) / ds.gM;
    const std::string shown = testing::Format1(exact);
    if (shown == FormatNumber(static_cast<float>(exact), "0.0", '.')) continue;
    EXPECT_EQ(ds.shellTable.val[9], shown);
    EXPECT_NE(ds.shellTable.txt[10].find("/" + shown + " = "), std::string::npos);
    ++checked;
  }
  EXPECT_EQ(checked, 1) << "no axial stress of the sweep separates the two roundings";
}

TEST(CalcShellBuckling, UsageFactorRowText) {
  DesignState ds = Project(kCylinder);
  Recalculate(ds);
  const ResultTable& t = ds.shellTable;
  EXPECT_EQ(t.last, 10);
  EXPECT_EQ(t.txt[0], "Shell Buckling: (Ch 3.4.2)");
  EXPECT_EQ(t.txt[10].substr(0, 19), "UF = SigjSd/fksd = ");
  EXPECT_EQ(t.txt[10], "UF = SigjSd/fksd = " + t.val[5] + "/" + t.val[9] + " = ");
  EXPECT_EQ(t.unit[4], "  MPa (only lateral pressure)");
  EXPECT_EQ(t.unit[5], "  MPa ");
}

TEST(CalcStiffenerBuckling, RowsAndFixedMaterialFactor) {
  DesignState ds = Project(kStringerStiffened);
  ds.stifftype = kTBuiltUp;
  Recalculate(ds);
  const ResultTable& t = ds.stiffTable;
  EXPECT_EQ(t.last, 13);
  EXPECT_EQ(t.txt[0], "Stiffener Buckling: (Ch 3.6.3)");
  EXPECT_EQ(t.txt[1], "se =");
  EXPECT_EQ(t.txt[2], "Isef =");
  EXPECT_EQ(t.txt[3], "fEa =");
  EXPECT_EQ(t.txt[11], "gm = ");
  EXPECT_EQ(t.val[11], "1.15");
  EXPECT_LE(ds.les, 600.0f);
  EXPECT_GT(ds.les, 0.0f);
  EXPECT_EQ(t.unit[13], " <= 1.00");

  ds.lrfd = kWSD;
  Recalculate(ds);
  EXPECT_EQ(ds.stiffTable.val[11], "1.15");
  EXPECT_EQ(ds.stiffTable.unit[13], " <= 1.15");
  EXPECT_DOUBLE_EQ(ds.UFpermst.value(), 1.15);
}

TEST(CalcStiffenerBuckling, TensionUsesTheWholeSpacing) {
  DesignState ds = Project(kStringerStiffened);
  ds.Sigx = Variant::Int(50);
  Recalculate(ds);
  EXPECT_EQ(ds.les, 600.0f);
  EXPECT_DOUBLE_EQ(ds.sa.value(), 50);
}

// se = s fks |sigx| / sigj / fT can exceed s when fT is small; it is capped.
TEST(CalcStiffenerBuckling, EffectiveWidthNeverExceedsTheSpacing) {
  DesignState ds = Project(kStringerStiffened);
  ds.stifftype = kFlatbarBuiltUp;
  ds.stifffb_h = Variant::Int(400);  // very slender flat bar: small fT
  ds.stifffb_tw = 6.0f;
  Recalculate(ds);
  const float fT = std::stof(ds.stiffTable.val[6]);  // the stiffener's, before the ring check
  EXPECT_LT(fT, 100.0f);
  EXPECT_EQ(ds.les, 600.0f);
}

struct MeanCase {
  double mean1, mean2, sm;
};

// End moments that give equal end stresses at both ends, so the mean
// stress equals them.
void SetMeans(DesignState& ds, double mean1, double mean2) {
  const double W = kPi * 3333.0 * 3333.0 * 20;
  ds.M1a = mean1 * W / 1e6;
  ds.M1b = mean1 * W / 1e6;
  ds.M2a = mean2 * W / 1e6;
  ds.M2b = static_cast<float>(mean2 * W / 1e6);
}

TEST(CalcColumnBuckling, BendingStressOfTheShellCheck) {
  const MeanCase cases[] = {
      {100, 80, -127.3}, {100, 0, -100},  {-50, -60, -77.8},
      {-100, 0, -100},   {0, -100, -100}, {-100, -80, -127.3},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.mean1) + " " + std::to_string(c.mean2));
    DesignState ds = Project(kColumnBuckling);
    SetMeans(ds, c.mean1, c.mean2);
    Recalculate(ds);
    EXPECT_NEAR(ds.sm, c.sm, 0.05);
  }
}

TEST(CalcColumnBuckling, MomentFactors) {
  struct Case {
    const char* name;
    double m1a, m1b;
    std::int16_t odmom;
    const char* moments;  // row 10 value: M1Sd/M2Sd
    const char* unit;
  };
  const Case cases[] = {
      {"equal, reduced: Cm 1", 100, 100, kReducedMoment, "100.0/0.0", " kNm (Reduced value)"},
      {"opposite, reduced: Cm 0.2", 100, -100, kReducedMoment, "20.0/0.0", " kNm (Reduced value)"},
      {"one end, reduced: Cm 0.6", 100, 0, kReducedMoment, "60.0/0.0", " kNm (Reduced value)"},
      {"opposite, maximum: Cm 1", 100, -100, kMaximumMoment, "100.0/0.0", " kNm (Max value)"},
      {"zero moments", 0, 0, kReducedMoment, "0.0/0.0", " kNm (Reduced value)"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    DesignState ds = Project(kColumnBuckling);
    ds.M1a = c.m1a;
    ds.M1b = c.m1b;
    ds.M2a = Variant::Int(0);
    ds.M2b = 0.0f;
    ds.odmom = c.odmom;
    Recalculate(ds);
    EXPECT_EQ(ds.stiffTable.val[10], c.moments);
    EXPECT_EQ(ds.stiffTable.unit[10], c.unit);
    if (c.m1a == 0) {
      // No bending: the usage factors are the axial term alone.
      EXPECT_EQ(ds.stiffTable.val[11], "0.0");
    }
  }
}

TEST(CalcColumnBuckling, RowsAndWsd) {
  DesignState ds = Project(kColumnBuckling);
  ds.lrfd = kWSD;
  Recalculate(ds);
  const ResultTable& t = ds.stiffTable;
  EXPECT_EQ(t.last, 14);
  EXPECT_EQ(t.txt[0], "Global Buckling: (Ch 3.8)");
  EXPECT_EQ(t.txt[14], "UF2 =  ");
  EXPECT_EQ(t.unit[13], " <= 1.15");
  EXPECT_EQ(t.unit[14], " <= 1.15");
  EXPECT_EQ(t.unit[2], "");
  EXPECT_EQ(ds.Sigy, 0.0f);
  EXPECT_EQ(ds.Tau, 0.0f);
  EXPECT_EQ(t.val[8], "1.15");
}

// One recalculation gives the final result: a second one with unchanged
// inputs changes nothing.
TEST(CalcColumnBuckling, RecalculationIsIdempotent) {
  DesignState ds = Project(kColumnBuckling);
  Recalculate(ds);
  const ResultTable shell = ds.shellTable, column = ds.stiffTable;
  Recalculate(ds);
  EXPECT_EQ(ds.shellTable.val, shell.val);
  EXPECT_EQ(ds.shellTable.txt, shell.txt);
  EXPECT_EQ(ds.stiffTable.val, column.val);
  EXPECT_EQ(ds.stiffTable.txt, column.txt);
}

// The shell table of a column under WSD shows the shell check's permitted
// value and is coloured against it, not against the column's.
TEST(CalcColumnBuckling, ShellTableColouredAgainstTheValueItShows) {
  DesignState ds = Project(kColumnBuckling);
  ds.lrfd = kWSD;
  ds.UF = 0.8f;
  SetMeans(ds, 120, 0);  // enough bending for a shell slenderness above 0.5
  Recalculate(ds);
  ASSERT_GT(ds.lamdas, 0.5f);
  const double shellPermitted =
      static_cast<double>(0.8f) * static_cast<double>(detail::WsdBeta(ds.lamdas)) * 1.15;
  EXPECT_DOUBLE_EQ(ds.UFperm.value(), static_cast<double>(0.8f) * 1.15);  // the column's
  EXPECT_NEAR(ds.UFpermShell.value(), shellPermitted, 1e-6);              // the shell's
  EXPECT_LT(ds.UFpermShell.value(), ds.UFperm.value());
  EXPECT_EQ(ds.shellTable.unit[10], " <= " + testing::Format2(ds.UFpermShell.value()));
}

TEST(CalcColumnBuckling, NoRealLocalStrengthFails) {
  DesignState ds = Project(kColumnBuckling);
  ds.pd = -50.0f;  // a hoop compression far beyond the shell's strength
  Recalculate(ds);
  EXPECT_TRUE(std::isinf(ds.UF1.value()));
  EXPECT_TRUE(std::isinf(ds.UF2.value()));
  EXPECT_EQ(ds.stiffTable.val[13], "n/a");
  EXPECT_FALSE(UsageFactorPasses(ds.UF1, ds.UFperm));
}

// Inputs that make a formula undefined: no crash, no hang, no pass. Each
// case names the checks whose result is undefined by it.
TEST(Checks, BadInputsNeverPass) {
  struct Case {
    const char* name;
    std::function<void(DesignState&)> set;
    bool shell, stiffener, column, ring;
  };
  const Case cases[] = {
      {"zero radius", [](DesignState& ds) { ds.cylr = 0.0f; }, true, true, true, true},
      {"negative radius", [](DesignState& ds) { ds.cylr = -3333.0f; }, true, true, true, true},
      {"zero thickness", [](DesignState& ds) { ds.cylt = Variant::Int(0); }, true, true, true,
       true},
      {"zero ring spacing", [](DesignState& ds) { ds.ringspacing = Variant::Int(0); }, true, true,
       false, true},
      {"negative ring spacing", [](DesignState& ds) { ds.ringspacing = Variant::Int(-3000); }, true,
       true, false, true},
      {"zero stiffener spacing", [](DesignState& ds) { ds.stiffspacing = Variant::Int(0); }, false,
       true, false, false},
      {"zero Young's modulus", [](DesignState& ds) { ds.emod = 0.0f; }, true, true, true, true},
      {"zero yield",
       [](DesignState& ds) {
         ds.matp = ds.mats = ds.matg = 5;
         ds.fyp = 0.0f;
         ds.fys = 0.0f;
         ds.fyg = 0.0f;
       },
       true, true, true, false},
      {"zero length", [](DesignState& ds) { ds.cyll = Variant::Int(0); }, false, false, true, true},
  };
  for (std::int16_t type : {kCylinder, kRingStiffened, kStringerStiffened, kColumnBuckling}) {
    for (const auto& c : cases) {
      SCOPED_TRACE(std::string(c.name) + ", cylinder type " + std::to_string(type));
      DesignState ds = Project(type);
      ds.hring = 1;
      c.set(ds);
      Recalculate(ds);
      if (c.shell && type != kColumnBuckling) {
        EXPECT_FALSE(UsageFactorPasses(ds.UFshell, ds.UFpermShell)) << ds.UFshell.value();
      }
      if (c.stiffener && type == kStringerStiffened) {
        EXPECT_FALSE(UsageFactorPasses(ds.UFst, ds.UFpermst)) << ds.UFst.value();
      }
      if (c.column && type == kColumnBuckling) {
        EXPECT_FALSE(UsageFactorPasses(ds.UF1, ds.UFperm)) << ds.UF1.value();
        EXPECT_FALSE(UsageFactorPasses(ds.UF2, ds.UFperm)) << ds.UF2.value();
      }
      if (c.ring) {
        EXPECT_FALSE(UsageFactorPasses(ds.UFarea, ds.UF)) << ds.UFarea.value();
        EXPECT_FALSE(UsageFactorPasses(ds.UFinertia, ds.UF)) << ds.UFinertia;
      }
    }
  }
}

// ---- Tripping length and design stresses ----

// Hoop stress of the ring-stiffened cylinder midway between rings:
// pr/t - alpha zeta / (alpha + 1) (pr/t - 0.3 Sigx), alpha = A_R / (le t),
// beta = l / (1.56 sqrt(r t)) from the uncapped length.
TEST(CalcDesignStresses, RingStiffenedHoopStress) {
  struct Case {
    const char* name;
    double l;
    float pd;
  };
  const Case cases[] = {
      {"defaults", 3000, -0.3f},
      {"no pressure", 3000, 0.0f},
      {"rings closer than le", 300, -0.3f},
      {"internal pressure", 1000, 0.5f},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    DesignState ds = Project(kRingStiffened);
    ds.ringspacing = c.l;
    ds.pd = c.pd;
    CalcDesignStresses(ds);
    const double a = 1.56 * std::sqrt(3333.0 * 20);
    const double le = std::min(a, c.l);
    const double b = c.l / a;
    const double zeta =
        std::max(0.0, 2 * (std::sinh(b) * std::cos(b) + std::cosh(b) * std::sin(b)) /
                          (std::sinh(2 * b) + std::sin(2 * b)));
    const double alpha = ds.Ag.value() / le / 20;
    const double prt = static_cast<float>(static_cast<float>(c.pd * 3333.0) / 20.0);
    const double expected = prt - alpha * zeta / (alpha + 1) * (prt + 0.3 * 100);
    EXPECT_GT(ds.Ag.value(), 0);
    EXPECT_NEAR(ds.le.value(), le, 1e-9);
    EXPECT_NEAR(ds.shp.value(), expected, 1e-9);
    EXPECT_NEAR(ds.sh.value(), expected - 10, 1e-9);
  }
  // The unstiffened and stringer-stiffened cylinders take the full p r / t.
  for (std::int16_t type : {kCylinder, kStringerStiffened}) {
    DesignState ds = Project(type);
    CalcDesignStresses(ds);
    EXPECT_DOUBLE_EQ(ds.shp.value(), static_cast<double>(-0.3f * 3333.0f) / 20);
  }
}

// ---- Shell and curved-panel checks ----

// Types a plate yield strength that makes the shell slenderness exactly
// `target` (lamdas^2 is proportional to fy); false when none does.
bool TuneSlenderness(DesignState& ds, float target) {
  ds.matp = 5;  // typed yield strength
  ds.fyp = 355.0f;
  Recalculate(ds);
  float fy = static_cast<float>(355.0 * std::pow(target / ds.lamdas, 2));
  for (int i = 0; i < 1000; ++i) {
    ds.fyp = fy;
    Recalculate(ds);
    if (ds.lamdas == target) return true;
    fy = std::nextafter(fy, ds.lamdas < target ? 1e9f : 0.0f);
  }
  return false;
}

// Material factor and permitted usage factor by slenderness, both formats,
// both checks: 1.15 below 0.5, 0.85 + 0.6 lamdas from 0.5 to 1.0 inclusive,
// 1.45 above (LRFD); beta 1.0, 1.2 - 0.4 lamdas, 0.8 and gM 1.15 (WSD).
TEST(CalcShellBuckling, MaterialFactorAndPermittedValueBySlenderness) {
  struct Case {
    float lamdas;
    double gM;   // LRFD
    float beta;  // WSD
    const char* gmText;
  };
  const Case cases[] = {
      {0.3f, 1.15, 1.0f, "1.15"}, {0.5f, 1.15, 1.0f, "1.15"}, {0.75f, 1.30, 0.9f, "1.30"},
      {1.0f, 1.45, 0.8f, "1.45"}, {1.3f, 1.45, 0.8f, "1.45"},
  };
  for (std::int16_t type : {kCylinder, kStringerStiffened}) {
    for (std::int16_t format : {kLRFD, kWSD}) {
      for (const auto& c : cases) {
        SCOPED_TRACE("type " + std::to_string(type) + " format " + std::to_string(format) +
                     " lamdas " + std::to_string(c.lamdas));
        DesignState ds = Project(type);
        ds.lrfd = format;
        ds.UF = Variant::Int(1);
        ASSERT_TRUE(TuneSlenderness(ds, c.lamdas));
        const ResultTable& t = ds.shellTable;
        const double gM = format == kLRFD ? c.gM : 1.15;
        const double permitted = format == kLRFD ? 1.0 : static_cast<double>(c.beta) * 1.15;
        EXPECT_EQ(t.val[6], testing::Format2(c.lamdas));
        EXPECT_EQ(t.val[8], format == kLRFD ? c.gmText : "1.15");
        EXPECT_NEAR(ds.UFpermShell.value(), permitted, 1e-12);
        EXPECT_EQ(t.unit[10], " <= " + testing::Format2(permitted));
        if (type == kCylinder) {  // the stiffener check has not overwritten them
          EXPECT_NEAR(ds.gM.value(), gM, 1e-12);
          if (format == kWSD) {
            EXPECT_EQ(ds.beta, c.beta);
          }
          const float fksd = static_cast<float>(ds.fks / ds.gM);
          EXPECT_NEAR(ds.UFshell.value(), ds.sigj.value() / static_cast<double>(fksd), 1e-12);
        }
      }
    }
  }
}

// The curved-panel check sets beta to 1.0 under LRFD; the unstiffened-shell
// check leaves it; neither reads a bending stress left by a column check,
// and the panel check does not write sa0.
TEST(CalcPanelShellBuckling, BetaBendingAndSa0) {
  DesignState ds = Project(kStringerStiffened);
  ds.matp = 5;
  ds.fyp = Variant::Int(355);
  CalcDesignStresses(ds);
  ds.sp = ds.stiffspacing;
  ds.beta = 0.8f;
  ds.sa0 = 12.5;
  ds.sm = 0.0f;
  CalcPanelShellBuckling(ds);
  EXPECT_EQ(ds.beta, 1.0f);
  EXPECT_EQ(ds.sa0.value(), 12.5);
  const ResultTable unbent = ds.shellTable;
  ds.sm = -100.0f;
  CalcPanelShellBuckling(ds);
  EXPECT_EQ(ds.shellTable.val, unbent.val);
  EXPECT_EQ(ds.shellTable.txt, unbent.txt);

  ds = Project(kCylinder);
  ds.Z = 128.8;
  ds.matp = 5;
  ds.fyp = Variant::Int(355);
  CalcDesignStresses(ds);
  ds.beta = 0.8f;
  CalcShellBuckling(ds);
  EXPECT_EQ(ds.beta, 0.8f);
  EXPECT_DOUBLE_EQ(ds.sa0.value(), 100);
}

// ---- Stiffener check ----

// No torsional strength (a zero or negative typed stiffener yield strength):
// the effective width is the spacing and the check fails, loaded or not.
TEST(CalcStiffenerBuckling, NoTorsionalStrengthUsesTheWholeSpacing) {
  struct Case {
    bool loaded;
    double fys;
    const char* fT;
  };
  const Case cases[] = {
      {true, 0.0, "0.0"},
      {true, -355.0, "-355.0"},
      {false, 0.0, "0.0"},
      {false, -355.0, "-355.0"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.loaded ? "loaded" : "unloaded") + ", fys " + std::to_string(c.fys));
    DesignState ds = Project(kStringerStiffened);
    if (!c.loaded) {
      ds.Sigx = Variant::Int(0);
      ds.Sigy = 0.0f;
      ds.Tau = 0.0f;
      ds.pd = 0.0f;
    }
    ds.mats = 5;  // typed stiffener yield strength
    ds.fys = c.fys;
    Recalculate(ds);
    EXPECT_EQ(ds.stiffTable.val[6], c.fT);  // fT of the stiffener
    EXPECT_EQ(ds.les, 600.0f);
    EXPECT_EQ(ds.stiffTable.val[1], "600.0");
    if (!c.loaded) {
      EXPECT_EQ(ds.sigj.value(), 0);
    }
    EXPECT_FALSE(UsageFactorPasses(ds.UFst, ds.UFpermst)) << ds.UFst.value();
    EXPECT_EQ(ds.stiffTable.val[13], "n/a");
  }
}

// Under compression se = s fks |Sigx| / sigj / fT with the panel check's
// fks and sigj, stored in single precision: worked by hand for the defaults
// (worked_checks_test.cpp, state A) fks = 218.4623108, sigj = 111.3548385,
// fT = 321.9240723, se = [s]365.6497192.
TEST(CalcStiffenerBuckling, EffectiveWidthUnderCompression) {
  DesignState ds = Project(kStringerStiffened);
  CalcDesignStresses(ds);
  GetShellYield(ds, ds.matp);
  ds.sp = ds.stiffspacing;
  CalcPanelShellBuckling(ds);
  const double fks = ds.fks, sigj = ds.sigj;
  GetStiffenerYield(ds, ds.mats);
  CalcStiffenerBuckling(ds);
  const double fT = ds.fTors;
  ASSERT_GT(fT, 0);
  EXPECT_NEAR(fks, 218.4623108, 1e-6);
  EXPECT_NEAR(sigj, 111.3548385, 1e-6);
  EXPECT_NEAR(fT, 321.9240723, 1e-6);
  EXPECT_EQ(ds.les, 365.6497192f);
  EXPECT_EQ(ds.stiffTable.val[1], "365.6");
}

// se is a single and is shown at a single's precision. Under tension se = s:
// a spacing of 836.35 mm is held as the single 836.3499755859375, whose seven
// significant digits 836.3500 show "836.4" under "0.0" (half away from zero);
// the double's own digits would show "836.3".
TEST(CalcStiffenerBuckling, EffectiveWidthShownAtSinglePrecision) {
  DesignState ds = Project(kStringerStiffened);
  ds.Sigx = Variant::Int(50);
  ds.stiffspacing = 836.35f;
  Recalculate(ds);
  ASSERT_EQ(static_cast<double>(ds.les), 836.3499755859375);
  EXPECT_EQ(ds.stiffTable.txt[1], "se =");
  EXPECT_EQ(ds.stiffTable.val[1], "836.4");
}

// ---- Column check ----

// The column project without lateral pressure. The shell check of a column
// works over the column length (6000 mm), where the defaults' external
// pressure of 0.3 MPa (a hoop stress of -50 MPa) exceeds the elastic hoop
// strength fEh = 31 MPa and so leaves the local strength fak undefined.
DesignState ColumnProject() {
  DesignState ds = Project(kColumnBuckling);
  ds.pd = 0.0f;
  return ds;
}

// A tensile axial force: no axial term, the usage factors are the bending
// term alone; with no moments they are 0.
TEST(CalcColumnBuckling, TensileAxialForce) {
  DesignState ds = ColumnProject();
  ds.naxial = Variant::Int(1000);
  Recalculate(ds);
  EXPECT_EQ(ds.sa0.value(), 0);
  EXPECT_EQ(ds.stiffTable.val[9], "0.0");
  EXPECT_GT(ds.UF1.value(), 0);
  EXPECT_DOUBLE_EQ(ds.UF1.value(), ds.UF2.value());  // the shared bending term

  ds.M1a = ds.M1b = ds.M2a = Variant::Int(0);
  ds.M2b = 0.0f;
  Recalculate(ds);
  EXPECT_EQ(ds.UF1.value(), 0);
  EXPECT_EQ(ds.stiffTable.val[13], "0.00");
  EXPECT_EQ(ds.stiffTable.val[14], "0.00");
}

// Local strength fak of DNV-RP-C202 eq. 3.8.x from the shell check's fEa,
// fEh and the hoop stress.
double LocalStrength(const DesignState& ds) {
  const double fy = ds.fyp, fEa = ds.fEa, fEh = ds.fEh, sh = ds.sh;
  const double a = 1 + fy * fy / (fEa * fEa);
  const double b = (2 * fy * fy / fEa / fEh - 1) * sh;
  const double c = sh * sh + fy * fy * sh * sh / (fEh * fEh) - fy * fy;
  return (b + std::sqrt(b * b - 4 * a * c)) / (2 * a);
}

// The column strength just below and just above lamdak = 1.34: the
// parabola below, 0.9 / lamdak^2 above (which is slightly higher there).
TEST(CalcColumnBuckling, ColumnSlendernessBoundary) {
  DesignState ds = ColumnProject();
  ds.M1a = ds.M1b = ds.M2a = Variant::Int(0);
  ds.M2b = 0.0f;
  Recalculate(ds);
  const double fak = LocalStrength(ds);
  const double gM = ds.gM;
  const double Do = 2 * 3333.0 + 20, Di = 2 * 3333.0 - 20;
  const double i = std::sqrt(kPi * (std::pow(Do, 4) - std::pow(Di, 4)) / 64 / (kTwoPi * 3333 * 20));
  const double lamdaPerK = 6000 / kPi / i * std::sqrt(fak / 210000.0);
  struct Case {
    double lamda, fkc;
  };
  const double below = 1.34 * (1 - 1e-4), above = 1.34 * (1 + 1e-4);
  const Case cases[] = {
      {below, (1 - 0.28 * below * below) * fak},
      {above, 0.9 / (above * above) * fak},
  };
  std::string shown[2];
  for (int n = 0; n < 2; ++n) {
    const Case& c = cases[n];
    SCOPED_TRACE(c.lamda);
    ds.k1 = c.lamda / lamdaPerK;
    Recalculate(ds);
    EXPECT_EQ(ds.stiffTable.val[2], "1.34");
    EXPECT_EQ(ds.stiffTable.val[1], testing::Format1(c.fkc / gM));
    EXPECT_NEAR(ds.UF1.value(), ds.sa0.value() / (c.fkc / gM), 1e-6);
    shown[n] = ds.stiffTable.val[1];
  }
  EXPECT_LT(std::stod(shown[0]), std::stod(shown[1]));
}

// An axial stress at or beyond an Euler strength makes the amplification
// 1 / (1 - sa0 / fE) infinite or negative: the column fails, shown "n/a".
TEST(CalcColumnBuckling, AxialStressBeyondTheEulerStrengthFails) {
  struct Case {
    const char* name;
    double sa0;
    bool fails;
  };
  // k1 = 100: fE1 = 319787 / 100^2 = 32.0 MPa; k2 = 1: fE2 far higher.
  const Case cases[] = {
      {"below fE1", 20, false},
      {"beyond fE1", 40, true},
      {"far beyond fE1", 200, true},
  };
  for (std::int16_t format : {kLRFD, kWSD}) {
    for (const auto& c : cases) {
      SCOPED_TRACE(std::string(c.name) + " format " + std::to_string(format));
      DesignState ds = ColumnProject();
      ds.lrfd = format;
      ds.UF = 1.5f;  // the largest permitted value
      ds.k1 = 100.0;
      ds.naxial = -c.sa0 * static_cast<double>(static_cast<float>(kTwoPi * 3333)) * 20 / 1000;
      Recalculate(ds);
      ASSERT_NEAR(ds.sa0.value(), c.sa0, 1e-9);
      ASSERT_NEAR(std::stod(ds.stiffTable.val[6]), 32.0, 0.05);  // fE1
      EXPECT_EQ(std::isinf(ds.UF1.value()), c.fails);
      EXPECT_EQ(std::isinf(ds.UF2.value()), c.fails);
      if (c.fails) {
        EXPECT_EQ(ds.stiffTable.val[13], "n/a");
        EXPECT_EQ(ds.stiffTable.val[14], "n/a");
        EXPECT_FALSE(UsageFactorPasses(ds.UF1, ds.UFperm));
        EXPECT_FALSE(UsageFactorPasses(ds.UF2, ds.UFperm));
      } else {
        EXPECT_TRUE(std::isfinite(ds.UF1.value()));
      }
    }
  }
}

// Drawn: a shell usage factor above the shell's own permitted value but
// below the column's is red, and the column rows are coloured against the
// column's permitted value.
TEST(CalcColumnBuckling, ShellUsageFactorDrawnAgainstItsOwnPermittedValue) {
  DesignState ds = Project(kColumnBuckling);
  ds.lrfd = kWSD;
  ds.UF = Variant::Int(1);
  Recalculate(ds);
  ASSERT_GT(ds.lamdas, 1.0f);  // beta 0.8: the shell permits 0.92 UF, the column 1.15 UF
  const double ufShell = ds.UFshell;
  ds.UF = static_cast<float>(ufShell / 1.035);
  FakeWindow w;
  RecordingSurface shell, stiff, ring;
  w.surfaces[0] = &shell;
  w.surfaces[1] = &stiff;
  w.surfaces[2] = &ring;
  ds.mainfrm = &w;
  Recalculate(ds);
  ASSERT_DOUBLE_EQ(ds.UFshell.value(), ufShell);
  ASSERT_LT(ds.UFpermShell.value(), ufShell);
  ASSERT_GT(ds.UFperm.value(), ufShell);
  int coloured = 0;
  for (const auto& text : shell.Visible()) {
    if (text.colour == Colour::Black) continue;
    ++coloured;
    EXPECT_EQ(text.text, ds.shellTable.val[10]);
    EXPECT_EQ(text.colour, Colour::Red);
  }
  EXPECT_EQ(coloured, 1);
  const bool columnPasses = ds.UF1.value() <= ds.UFperm.value();
  for (const auto& text : stiff.Visible()) {
    if (text.colour == Colour::Black) continue;
    EXPECT_EQ(text.colour, columnPasses ? Colour::Green : Colour::Red) << text.text;
  }
}

}  // namespace
}  // namespace tamrel
