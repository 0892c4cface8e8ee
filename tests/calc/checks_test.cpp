// Design stresses and the shell, curved-panel, stiffener and column checks.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

#include "calc/checks.h"
#include "calc/checks_internal.h"
#include "calc/result_tables.h"
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

  ds = Project(kColumnBuckling);
  Recalculate(ds);
  EXPECT_EQ(ds.shellTable.txt[3], "fEm = ");
  EXPECT_EQ(ds.shellTable.val[3], "305.9");

  ds = Project(kStringerStiffened);  // curved panel, s = 600
  Recalculate(ds);
  EXPECT_EQ(ds.shellTable.txt[0], "Shell Buckling: (Ch 3.3.2)");
  EXPECT_EQ(ds.shellTable.val[1], "883.4");  // fEa
  EXPECT_EQ(ds.shellTable.txt[2], "fEtau = ");
  EXPECT_EQ(ds.shellTable.val[2], "1171.7");  // fEtau
  EXPECT_EQ(ds.shellTable.val[3], "235.8");   // fEh
}

TEST(CheckTrippingLength, LimitOfTheDefaults) {
  // r = 3333, hg = 200, tfg = 12: limit pi sqrt(3333 * 188) = 2486.83
  DesignState ds = SmallProject();
  FakeWindow w;
  ds.mainfrm = &w;
  ds.ringlt = 2486.0f;
  CheckTrippingLength(ds);
  EXPECT_EQ(ds.ringlt, 2486.0f);
  EXPECT_TRUE(w.messages.empty());

  ds.ringlt = 2487.0f;
  CheckTrippingLength(ds);
  EXPECT_NEAR(ds.ringlt, 2485.83, 0.01);
  ASSERT_EQ(w.messages.size(), 1u);
  EXPECT_EQ(w.messages[0], " lt<=pi*Sqr(r*h), ref ch B.5.9 ");
  EXPECT_EQ(w.tripText, "2486");
  EXPECT_EQ(w.events.back(), "focus:igilt");
  const float corrected = ds.ringlt;
  CheckTrippingLength(ds);  // the corrected length passes
  EXPECT_EQ(ds.ringlt, corrected);
  EXPECT_EQ(w.messages.size(), 1u);
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
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    DesignState ds = Project(kCylinder);
    ds.Sigx = c.sigx;
    ds.Sigy = c.sigy;
    ds.Tau = c.tau;
    ds.pd = c.pd;
    ds.lrfd = c.lrfd;
    Recalculate(ds);
    EXPECT_EQ(ds.sa0.value(), 0);
    EXPECT_EQ(ds.lamdas, 0.0f);
    EXPECT_EQ(ds.fks, 355.0f);
    EXPECT_DOUBLE_EQ(ds.gM.value(), 1.15);
    EXPECT_TRUE(std::isfinite(ds.UFshell.value()));
    EXPECT_TRUE(UsageFactorPasses(ds.UFshell, ds.UFperm));
    if (c.sigx == 0) {
      EXPECT_EQ(ds.UFshell.value(), 0);
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

}  // namespace
}  // namespace tamrel
