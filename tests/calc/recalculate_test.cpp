// The recalculation entry: which checks run for which cylinder type and
// options, and what is drawn on the three result pictures.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calc/checks.h"
#include "calc/recording_surface.h"
#include "calc_fixture.h"
#include "fake_window.h"

namespace tamrel {
namespace {

using testing::FakeWindow;
using testing::SmallProject;

struct Pictures {
  RecordingSurface shell, stiff, ring;
  FakeWindow w;
  Pictures() {
    w.surfaces[0] = &shell;
    w.surfaces[1] = &stiff;
    w.surfaces[2] = &ring;
  }
};

std::string Title(const RecordingSurface& s) {
  const auto texts = s.VisibleTexts();
  return texts.empty() ? "" : texts.front();
}

TEST(Recalculate, DrawsTheThreeTablesFromY03) {
  DesignState ds = SmallProject();
  Pictures p;
  ds.mainfrm = &p.w;
  ds.ypos = 7.5;
  Recalculate(ds);
  EXPECT_EQ(ds.ypos, 0.0);
  for (const RecordingSurface* s : {&p.shell, &p.stiff, &p.ring}) {
    EXPECT_EQ(s->ClearCount(), 1);
    ASSERT_FALSE(s->Visible().empty());
    EXPECT_DOUBLE_EQ(s->Visible().front().y, 0.3);
    EXPECT_DOUBLE_EQ(s->Visible().front().x, 1.0);
  }
  EXPECT_EQ(Title(p.shell), "Shell Buckling: (Ch 3.3.2)");
  EXPECT_EQ(Title(p.stiff), "Stiffener Buckling: (Ch 3.6.3)");
  EXPECT_EQ(Title(p.ring), "Panel Ring Buckling: (Ch 3.5.2)");
  EXPECT_TRUE(p.w.checkIhVisible);  // pd = -0.3: external pressure
}

TEST(Recalculate, StringerStiffenedShellCheckByRingToStringerSpacing) {
  struct Case {
    int l;
    const char* title;
  };
  const Case cases[] = {
      {500, "Shell Buckling: (Ch 3.4.2)"},  // rings closer than stringers
      {600, "Shell Buckling: (Ch 3.3.2)"},  // l/s = 1: curved panel
      {3000, "Shell Buckling: (Ch 3.3.2)"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.l);
    DesignState ds = SmallProject();
    ds.ringspacing = Variant::Int(static_cast<std::int16_t>(c.l));
    ds.sp = 123.0;
    Recalculate(ds);
    EXPECT_EQ(ds.shellTable.txt[0], c.title);
    EXPECT_EQ(ds.sp.value(), c.l < 600 ? 123.0 : 600.0);  // sp only set by the panel check
  }
}

TEST(Recalculate, WideStringerSpacingDrawsTheUnstiffenedNote) {
  DesignState ds = SmallProject();
  Pictures p;
  ds.mainfrm = &p.w;
  ds.stiffspacing = Variant::Int(1500);  // s/t = 75 > 3 sqrt(3333/20) = 38.7
  Recalculate(ds);
  EXPECT_EQ(ds.stiffTable.txt[0], "Stiffener Buckling: (Ch 3.6.3)");  // the check still ran
  EXPECT_EQ(ds.stiffTable.last, 13);
  const auto texts = p.stiff.VisibleTexts();
  ASSERT_EQ(texts.size(), 4u);
  EXPECT_EQ(texts[1], "Note: s/t>3* Sqr(r/t) ==>");
  EXPECT_EQ(texts[3], "(Ref Ch 3.6.1)");
}

// The stiffener picture shows the stiffener table while s / t <= 3 sqrt(r / t)
// and the note that the panel is calculated as an unstiffened shell above it,
// spacings a millimetre either side of the limit s = 3 t sqrt(r / t):
// - defaults t = 20, r = 3333: sqrt(166.65) = 12.90929897, 3 sqrt(r/t) = 38.72789692,
//   limit s = 774.558 mm; s = 774 gives s/t = 38.70 (table), s = 775 gives 38.75 (note);
// - t = 10, r = 2500: sqrt(250) = 15.81138830, 3 sqrt(r/t) = 47.43416490, limit
//   s = 474.342 mm; s = 474 gives 47.40 (table), s = 475 gives 47.50 (note).
// (A factor of 2.9 or 3.1 would put the limits at 748.7 / 800.4 and 458.5 / 490.2 mm.)
TEST(Recalculate, UnstiffenedNoteSwitchesAtThreeRootROverT) {
  struct Case {
    float r;
    std::int16_t t, s;
    bool note;
  };
  const Case cases[] = {
      {3333.0f, 20, 774, false},
      {3333.0f, 20, 775, true},
      {2500.0f, 10, 474, false},
      {2500.0f, 10, 475, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE("r " + std::to_string(c.r) + " t " + std::to_string(c.t) + " s " +
                 std::to_string(c.s));
    DesignState ds = SmallProject();
    Pictures p;
    ds.mainfrm = &p.w;
    ds.cylr = c.r;
    ds.cylt = Variant::Int(c.t);
    ds.stiffspacing = Variant::Int(c.s);
    Recalculate(ds);
    EXPECT_EQ(PanelCountsAsUnstiffened(ds), c.note);
    const ResultTable& t = ds.stiffTable;
    ASSERT_EQ(t.last, 13);  // the stiffener check runs either way
    const auto rows = p.stiff.Rows();
    ASSERT_FALSE(rows.empty());
    EXPECT_EQ(rows[0].Joined(), "Stiffener Buckling: (Ch 3.6.3)");
    if (c.note) {
      EXPECT_EQ(
          p.stiff.VisibleTexts(),
          (std::vector<std::string>{"Stiffener Buckling: (Ch 3.6.3)", "Note: s/t>3* Sqr(r/t) ==>",
                                    "Calculation as an unstiffened tamrel", "(Ref Ch 3.6.1)"}));
    } else {
      // The table, row by row: se first, the usage factor last.
      ASSERT_EQ(rows.size(), 14u);
      for (int i = 1; i <= 13; ++i) {
        const auto n = static_cast<std::size_t>(i);
        EXPECT_EQ(rows[n].Joined(), t.txt[n] + t.val[n] + t.unit[n]) << "row " << i;
      }
      EXPECT_EQ(t.txt[1], "se =");
      EXPECT_EQ(t.txt[13].substr(0, 19), "UF = SigjSd/fksd = ");
    }
  }
}

TEST(Recalculate, ColumnTableReplacesTheStiffenerPicture) {
  DesignState ds = SmallProject();
  Pictures p;
  ds.mainfrm = &p.w;
  ds.cyltype = kColumnBuckling;
  Recalculate(ds);
  EXPECT_EQ(p.stiff.ClearCount(), 1);  // the column's drawing alone, nothing drawn to be cleared
  EXPECT_EQ(Title(p.stiff), "Global Buckling: (Ch 3.8)");
  EXPECT_EQ(p.stiff.VisibleTexts().size(), 1u + 12 * 3 + 2 * 3);
}

TEST(Recalculate, ChecksRunByTypeAndOptions) {
  struct Case {
    const char* name;
    std::int16_t cyltype, ring;
    bool stiffener, column, ringCheck;
  };
  const Case cases[] = {
      {"cylinder", kCylinder, 1, false, false, true},
      {"ring stiffened", kRingStiffened, 1, false, false, true},
      {"stringer stiffened", kStringerStiffened, 1, true, false, true},
      {"column", kColumnBuckling, 1, false, true, true},
      {"stringer, ring control off", kStringerStiffened, 0, true, false, false},
      {"code 4", 4, 0, false, false, false},
      {"code -1", -1, 0, false, false, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    DesignState ds = SmallProject();
    ds.cyltype = c.cyltype;
    ds.ring = c.ring;
    Recalculate(ds);
    EXPECT_EQ(ds.stiffTable.txt[0] == "Stiffener Buckling: (Ch 3.6.3)", c.stiffener);
    EXPECT_EQ(ds.stiffTable.txt[0] == "Global Buckling: (Ch 3.8)", c.column);
    EXPECT_EQ(ds.ringTable.txt[0] == "Panel Ring Buckling: (Ch 3.5.2)", c.ringCheck);
    EXPECT_EQ(ds.shellTable.txt[0].empty(), c.cyltype > 3);
  }
}

// After a column calculation the stringer type with rings closer than the
// stringers runs the shell check with no bending stress.
TEST(Recalculate, ColumnBendingStressDoesNotLinger) {
  DesignState ds = SmallProject();
  ds.cyltype = kColumnBuckling;
  ds.M1a = Variant::Int(30000);
  ds.M1b = Variant::Int(30000);
  Recalculate(ds);
  ASSERT_LT(ds.sm, -1.0f);
  ds.cyltype = kStringerStiffened;
  ds.ringspacing = Variant::Int(500);
  ds.Sigx = Variant::Int(-100);
  Recalculate(ds);
  EXPECT_EQ(ds.sm, 0.0f);
  EXPECT_EQ(ds.shellTable.txt[3], "fEtau = ");
}

TEST(Recalculate, RingTableKeptWhenControlIsOff) {
  DesignState ds = SmallProject();
  Pictures p;
  ds.mainfrm = &p.w;
  Recalculate(ds);
  const auto before = p.ring.VisibleTexts();
  ds.ring = 0;
  ds.Sigx = Variant::Int(-150);
  Recalculate(ds);
  EXPECT_EQ(p.ring.VisibleTexts(), before);

  ds.pd = 0.0f;
  Recalculate(ds);
  EXPECT_FALSE(p.w.checkIhVisible);
}

// Step 7 looks the ring-frame grade up at the thickness of whichever section
// was computed last: for the stringer-stiffened type the stiffener's (step
// 6), for the ring-stiffened type the ring frame's (the design stresses of
// step 3); with ring-frame control on, the panel-ring check looks it up
// again at the ring frame's own thickness. Grade 0 gives 235 MPa up to 16 mm
// and 225 MPa up to 40 mm; the stiffener is 6 mm thick, the ring frame 20 mm.
TEST(Recalculate, RingYieldFollowsTheLastSectionComputed) {
  struct Case {
    const char* name;
    std::int16_t cyltype, ring;
    float fyg;
  };
  const Case cases[] = {
      {"stringer stiffened, ring control off", kStringerStiffened, 0, 235.0f},
      {"stringer stiffened, ring control on", kStringerStiffened, 1, 225.0f},
      {"ring stiffened, ring control off", kRingStiffened, 0, 225.0f},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    DesignState ds = SmallProject();
    ds.cyltype = c.cyltype;
    ds.ring = c.ring;
    ds.mats = 0;
    ds.matg = 0;
    ds.ringtype = kTBuiltUp;
    ds.girdtb_tf = 20.0f;
    Recalculate(ds);
    EXPECT_EQ(ds.fyg.value(), c.fyg);
  }
}

// A window effect inside a recalculation (here the tripping-length message)
// that asks for another recalculation does not get one.
TEST(Recalculate, IsNotReenteredFromAWindowEffect) {
  struct ReenteringWindow : FakeWindow {
    DesignState* ds = nullptr;
    void ShowExclamation(const std::string& text) override {
      FakeWindow::ShowExclamation(text);
      ds->Sigx = Variant::Int(-1);  // a leave handler would store, then recalculate
      Recalculate(*ds);
    }
  };
  DesignState ds = SmallProject();
  ReenteringWindow w;
  w.ds = &ds;
  ds.mainfrm = &w;
  ds.ringlt = 9999.0f;
  Recalculate(ds);
  EXPECT_EQ(w.messages.size(), 1u);
  EXPECT_FALSE(ds.recalculating);
  EXPECT_NEAR(ds.ringlt, 2485.83, 0.01);  // the outer one corrected the length and went on
  ds.ringlt = 9999.0f;
  Recalculate(ds);  // and a later one runs normally
  EXPECT_EQ(w.messages.size(), 2u);
}

}  // namespace
}  // namespace tamrel
