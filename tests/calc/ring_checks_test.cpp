// Panel ring buckling, heavy ring frame and the special calculation of Ih.

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "calc/checks.h"
#include "calc/checks_internal.h"
#include "calc_fixture.h"

namespace tamrel {
namespace {

using testing::Project;
using testing::SmallProject;

TEST(CalcPanelRingBuckling, RowsOfTheDefaultProject) {
  DesignState ds = Project(kStringerStiffened);
  Recalculate(ds);
  const ResultTable& t = ds.ringTable;
  EXPECT_EQ(t.last, 12);
  EXPECT_EQ(t.txt[0], "Panel Ring Buckling: (Ch 3.5.2)");
  EXPECT_EQ(t.txt[1], "Area requirement:");
  EXPECT_EQ(t.txt[2].substr(0, 14), "UF = Areq/A = ");
  EXPECT_EQ(t.txt[3], "Moment of inertia requirement:");
  EXPECT_EQ(t.txt[4], "le =");
  EXPECT_EQ(t.unit[6], "  mm4  ");
  EXPECT_EQ(t.unit[8], "  mm4 (General calc, ref ch 3.5.2.6)");
  EXPECT_EQ(t.txt[11], "UF = IR/I = " + std::string(t.val[9]) + "/" + t.val[10] + " = ");
  EXPECT_EQ(t.txt[12], " ");
  // Areq = (2 / Z^2 + 0.06) l t with the Z the stiffener check left.
  const double Z = ds.ringspacing * ds.ringspacing / 3333.0 / 20 * std::sqrt(0.91);
  EXPECT_NEAR(ds.Areq.value(), (2 / (Z * Z) + 0.06) * 3000 * 20, 1e-6);
  EXPECT_NEAR(ds.UFarea.value(), ds.Areq.value() / ds.Ag.value(), 1e-12);
  // The effective width 1.56 sqrt(r t) / (1 + 12 t / r).
  EXPECT_NEAR(ds.leg.value(), 1.56 * std::sqrt(3333.0 * 20) / (1 + 240.0 / 3333), 1e-9);
  EXPECT_DOUBLE_EQ(ds.delta0.value(), 0.005 * 3333);
}

TEST(CalcPanelRingBuckling, InertiaParts) {
  struct Case {
    const char* name;
    double sigx;
    float tau, pd;
    bool ix, ixh, ih;
  };
  const Case cases[] = {
      {"all three", -100, 40, -0.3f, true, true, true},
      {"tension: no Ix", 100, 40, -0.3f, false, true, true},
      {"no shear: no Ixh", -100, 0, -0.3f, true, false, true},
      {"internal pressure: no Ih", -100, 40, 0.3f, true, true, false},
      {"no pressure: no Ih", -100, 40, 0.0f, true, true, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    DesignState ds = Project(kStringerStiffened);
    ds.Sigx = c.sigx;
    ds.Tau = c.tau;
    ds.pd = c.pd;
    Recalculate(ds);
    EXPECT_EQ(ds.Ix.value() > 0, c.ix);
    EXPECT_EQ(ds.Ixh.value() > 0, c.ixh);
    EXPECT_EQ(ds.Ih.value() > 0, c.ih);
    EXPECT_DOUBLE_EQ(ds.IR.value(), ds.Ix.value() + ds.Ixh.value() + ds.Ih.value());
    if (!c.ih) {
      EXPECT_EQ(ds.ringTable.val[8], "0.000E+0");
    }
  }
  // Shear acts through its absolute value.
  DesignState a = Project(kStringerStiffened), b = Project(kStringerStiffened);
  b.Tau = -40.0f;
  Recalculate(a);
  Recalculate(b);
  EXPECT_DOUBLE_EQ(a.Ixh.value(), b.Ixh.value());
}

TEST(CalcPanelRingBuckling, RingStiffenedTypeUsesEffectiveLengthAndNoStiffeners) {
  DesignState ds = Project(kRingStiffened);
  ds.As = 1e6;  // a stiffener area left from elsewhere must not count
  Recalculate(ds);
  const double r0 = ds.r0;
  // a = 0: Ix = |sigx| t r0^4 / (500 E l)
  EXPECT_NEAR(ds.Ix.value(), 100 * 20 * std::pow(r0, 4) / (500.0 * 210000 * 3000),
              1e-9 * ds.Ix.value());
}

// The stringers' area counts only where there are stringers: an unstiffened
// cylinder or a column gets the same ring results whatever stiffener was
// computed before (another cylinder type, a project opened earlier).
TEST(CalcPanelRingBuckling, ResultsDoNotDependOnAnEarlierStiffener) {
  for (std::int16_t type : {kCylinder, kColumnBuckling}) {
    SCOPED_TRACE(type);
    DesignState fresh = Project(type);
    Recalculate(fresh);
    DesignState visited = Project(kStringerStiffened);
    visited.stifftype = kRHS;
    Recalculate(visited);  // leaves the RHS stiffener's area in As
    ASSERT_GT(visited.As.value(), 0);
    visited.cyltype = type;
    Recalculate(visited);
    EXPECT_EQ(visited.ringTable.val, fresh.ringTable.val);
    EXPECT_DOUBLE_EQ(visited.Ix.value(), fresh.Ix.value());
  }
}

// A ring frame whose flange would lie at or beyond the cylinder axis
// cannot exist: neither of its usage factors passes.
TEST(CalcPanelRingBuckling, RingThatDoesNotFitNeverPasses) {
  DesignState ds = Project(kStringerStiffened);
  ds.cylr = 150.0f;
  ds.ringtype = kTBuiltUp;
  Recalculate(ds);
  EXPECT_TRUE(std::isnan(ds.UFarea.value()));
  EXPECT_TRUE(std::isnan(ds.UFinertia));
  ds.outside = 1;  // outside the shell it fits
  Recalculate(ds);
  EXPECT_TRUE(std::isfinite(ds.UFarea.value()));
  EXPECT_TRUE(std::isfinite(ds.UFinertia));
}

// The area requirement does not use the cylinder length: a zero L makes
// only the inertia requirement undefined.
TEST(CalcPanelRingBuckling, ZeroLengthLeavesTheAreaRequirement) {
  DesignState ds = Project(kStringerStiffened);
  ds.cyll = Variant::Int(0);
  Recalculate(ds);
  EXPECT_TRUE(std::isfinite(ds.UFarea.value()));
  EXPECT_TRUE(std::isnan(ds.UFinertia));
}

TEST(CalcPanelRingBuckling, SmallRingSpacingCutsTheEffectiveWidth) {
  DesignState ds = Project(kStringerStiffened);
  ds.ringspacing = Variant::Int(300);
  Recalculate(ds);
  EXPECT_EQ(ds.leg.value(), 300);
  EXPECT_EQ(ds.ringTable.val[4], "300.0");
}

TEST(RaiseTorsionalStrength, TwiceTheHoopStressBoundary) {
  DesignState ds;
  ds.shR = -100.0f;
  ds.fTors = 200.0f;  // 2 |shR| equal: no raise
  detail::RaiseTorsionalStrength(ds);
  EXPECT_EQ(ds.fTors, 200.0f);
  ds.fTors = std::nextafter(200.0f, 0.0f);  // one single step below
  detail::RaiseTorsionalStrength(ds);
  EXPECT_EQ(ds.fTors, static_cast<float>(200.1));
}

TEST(CalcHeavyRingFrame, RequirementLine) {
  DesignState ds = Project(kStringerStiffened);
  ds.hring = 1;
  Recalculate(ds);
  const std::string& line = ds.ringTable.txt[12];
  EXPECT_EQ(line.substr(0, 22), "Heavy ringframe Ihr>= ");
  EXPECT_EQ(line.substr(line.size() - 5), "  mm4");
  EXPECT_EQ(ds.ringTable.last, 12);

  // Off: the row keeps the panel-ring check's blank.
  ds.hring = 0;
  Recalculate(ds);
  EXPECT_EQ(ds.ringTable.txt[12], " ");

  // Only with ring-frame control on.
  ds.ring = 0;
  ds.hring = 1;
  ds.ringTable.txt[12] = "untouched";
  Recalculate(ds);
  EXPECT_EQ(ds.ringTable.txt[12], "untouched");
}

TEST(CalcHeavyRingFrame, PressureOnlyGivesIh) {
  DesignState ds = Project(kStringerStiffened);
  ds.Sigx = Variant::Int(50);
  ds.Tau = 0.0f;
  ds.hring = 1;
  Recalculate(ds);
  // Ihr = Ih' = |pd| r r0^2 L / (3E) (1.5 + 3E ztip delta0 / r0^2 / (fT/2 - |shR|))
  const double r0 = ds.r0, L = 6000;
  const double threeE = 630000;
  const double margin = ToSingle(ds.fTors / 2.0 - std::fabs(ds.shR));
  const double expected = ToSingle(0.3f * 3333.0) * r0 * r0 * L / threeE *
                          (1.5 + threeE * ds.ztip * ds.delta0 / (r0 * r0) / margin);
  EXPECT_EQ(ds.ringTable.txt[12],
            "Heavy ringframe Ihr>= " + FormatNumber(expected, "0.000E+0", '.', Precision::Double) +
                "  mm4");
}

TEST(SpecialIh, OnlyUnderExternalPressure) {
  DesignState ds = Project(kStringerStiffened);
  ds.ih = 1;
  ds.pd = 0.2f;
  ds.pratio = 0.5f;
  Recalculate(ds);
  EXPECT_EQ(ds.ringTable.unit[8], "  mm4 (General calc, ref ch 3.5.2.6)");
  EXPECT_EQ(ds.pratio, 0.5f);
}

TEST(SpecialIh, SmallGeneralIhMakesNoPass) {
  DesignState ds = Project(kStringerStiffened);
  ds.pd = -0.0002f;
  ds.Sigx = Variant::Int(0);
  ds.Tau = 0.0f;
  Recalculate(ds);
  ASSERT_LE(ds.Ih.value(), 100000);
  const double ih = ds.Ih, ir = ds.IR;
  ds.ih = 1;
  Recalculate(ds);
  EXPECT_EQ(ds.Ih.value(), ih);
  EXPECT_EQ(ds.IR.value(), ir);
  EXPECT_EQ(ds.pratio, 0.0f);
  EXPECT_EQ(ds.ringTable.unit[8], "  mm4 (Special Calc, ref ch 3.5.2.7)");
}

// The final Ih is the first of Ih 0.99, Ih 0.99^2, ... whose pressure
// ratio reaches 1 (or the first of 100000 or less).
TEST(SpecialIh, LoopStopsAtTheFirstSufficientIh) {
  DesignState ds = Project(kRingStiffened);
  Recalculate(ds);
  const double general = ds.Ih;
  ds.ih = 1;
  Recalculate(ds);
  const double special = ds.Ih;
  EXPECT_LT(special, general);
  EXPECT_EQ(ds.ringTable.unit[8], "  mm4 (Special Calc, ref ch 3.5.2.7)");
  DesignState probe = ds;
  double ih = general;
  int passes = 0;
  float ratio = 0;
  while (ratio < 1 && ih > 100000) {
    ih = 0.99 * ih;
    probe.Ih = ih;
    CalcRingFrameStrength(probe);
    ratio = probe.pratio;
    ++passes;
  }
  EXPECT_GT(passes, 0);
  EXPECT_EQ(special, ih);
  EXPECT_EQ(ds.pratio, ratio);
  EXPECT_NEAR(ds.IR.value(), ds.Ix.value() + ds.Ixh.value() + special, 1e-6);
  EXPECT_FLOAT_EQ(ds.UFinertia, static_cast<float>(ds.IR.value() / ds.Ieff.value()));
}

TEST(CalcRingFrameStrength, NoResistanceGivesAnInfiniteRatio) {
  DesignState ds = Project(kRingStiffened);
  Recalculate(ds);
  ds.fTors = 0.0f;  // no torsional strength: no pressure resistance
  ds.Ih = 1e7;
  CalcRingFrameStrength(ds);
  EXPECT_TRUE(std::isinf(ds.pratio));
  // The sign of pd does not matter.
  DesignState a = Project(kRingStiffened);
  Recalculate(a);
  a.Ih = 5e6;
  CalcRingFrameStrength(a);
  const float negative = a.pratio;
  a.pd = 0.3f;
  CalcRingFrameStrength(a);
  EXPECT_EQ(a.pratio, negative);
}

// A degenerate ring frame must not hang the special calculation.
TEST(SpecialIh, DegenerateRingEnds) {
  DesignState ds = Project(kRingStiffened);
  ds.ih = 1;
  ds.girdtb_tw = Variant::Int(0);
  ds.ringtype = kTBuiltUp;
  ds.pd = -30.0f;
  Recalculate(ds);
  SUCCEED();
  ds.girdtb_tw = Variant::Int(9);
  ds.cyll = 1e30;
  Recalculate(ds);
  SUCCEED();
}

}  // namespace
}  // namespace tamrel
