#include "calc/result_tables.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "calc/recording_surface.h"
#include "calc/window.h"

namespace tamrel {
namespace {

using Text = RecordingSurface::Text;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr double kW = RecordingSurface::kCharWidth;

double Width(const std::string& s) {
  return kW * static_cast<double>(s.size());
}

// A main window that only records the check box's visibility.
class FakeWindow : public NullWindow {
 public:
  void SetCheckIhVisible(bool visible) override { checkIh.push_back(visible); }

  std::vector<bool> checkIh;
};

// Rows 0..last with texts that name their row ("L3", "3.00", " u3").
void Fill(ResultTable& t, int last) {
  for (int i = 0; i < ResultTable::kRows; ++i) {
    t.txt[i] = "L" + std::to_string(i);
    t.val[i] = std::to_string(i) + ".00";
    t.unit[i] = " u" + std::to_string(i);
  }
  t.txt[0] = "Title";
  t.last = static_cast<std::int16_t>(last);
}

// The one drawn text equal to `text` (fails when there is not exactly one).
Text Find(const RecordingSurface& s, const std::string& text) {
  std::optional<Text> found;
  int n = 0;
  for (const auto& t : s.Visible()) {
    if (t.text == text) {
      found = t;
      ++n;
    }
  }
  EXPECT_EQ(n, 1) << "text \"" << text << "\"";
  return found.value_or(Text{});
}

int Count(const RecordingSurface& s, const std::string& text) {
  int n = 0;
  for (const auto& t : s.VisibleTexts()) n += t == text ? 1 : 0;
  return n;
}

void ExpectAt(const Text& t, double x, double y) {
  EXPECT_NEAR(t.x, x, 1e-9) << t.text;
  EXPECT_NEAR(t.y, y, 1e-9) << t.text;
}

void ExpectPlain(const Text& t) {
  EXPECT_FALSE(t.bold) << t.text;
  EXPECT_FALSE(t.underline) << t.text;
  EXPECT_EQ(t.colour, Colour::Black) << t.text;
}

// What the routines must leave on the surface.
void ExpectSurfaceReset(const RecordingSurface& s) {
  EXPECT_FALSE(s.bold());
  EXPECT_FALSE(s.underline());
  EXPECT_EQ(s.colour(), Colour::Black);
}

using Routine = void (*)(const DesignState&, TextSurface&, double&, double, int);

constexpr double kX = 2.0;
constexpr double kY0 = 3.0;

// ---- Shell and stiffener tables ----

struct SingleUfTable {
  const char* name;
  Routine print;
  ResultTable DesignState::*table;
  Variant DesignState::*uf;
  Variant DesignState::*permitted;
};

const SingleUfTable kSingleUfTables[] = {
    {"shell", PrintShellResults, &DesignState::shellTable, &DesignState::UFshell,
     &DesignState::UFpermShell},
    {"stiffener", PrintStiffenerResults, &DesignState::stiffTable, &DesignState::UFst,
     &DesignState::UFpermst},
};

TEST(ShellAndStiffenerResults, LayoutFontsAndTheYLeft) {
  for (const auto& c : kSingleUfTables) {
    SCOPED_TRACE(c.name);
    DesignState ds;
    Fill(ds.*c.table, 10);
    ds.*c.uf = 0.5;
    ds.*c.permitted = 1.0;
    RecordingSurface s;
    double y = kY0;
    c.print(ds, s, y, kX, 0);

    const Text title = Find(s, "Title");
    ExpectAt(title, kX, kY0);
    EXPECT_TRUE(title.bold);
    EXPECT_TRUE(title.underline);
    for (int i = 1; i <= 9; ++i) {
      SCOPED_TRACE(i);
      const double rowY = kY0 + 1.1 + (i - 1);
      const std::string val = std::to_string(i) + ".00";
      const Text label = Find(s, "L" + std::to_string(i));
      const Text value = Find(s, val);
      const Text unit = Find(s, " u" + std::to_string(i));
      ExpectAt(label, kX, rowY);
      ExpectAt(value, kX + 15 - Width(val), rowY);  // right edge 15
      ExpectAt(unit, kX + 15, rowY);
      ExpectPlain(label);
      ExpectPlain(value);
      ExpectPlain(unit);
    }
    // The usage factor follows its label, bold and coloured; the unit plain.
    const double ufY = kY0 + 1.1 + 9;
    const Text label = Find(s, "L10");
    const Text value = Find(s, "10.00");
    const Text unit = Find(s, " u10");
    ExpectAt(label, kX, ufY);
    ExpectAt(value, kX + Width("L10"), ufY);
    ExpectAt(unit, kX + Width("L10") + Width("10.00"), ufY);
    ExpectPlain(label);
    EXPECT_TRUE(value.bold);
    EXPECT_FALSE(value.underline);
    EXPECT_EQ(value.colour, Colour::Green);
    ExpectPlain(unit);

    EXPECT_NEAR(y, kY0 + 0.1 + 10, 1e-9);  // at the usage-factor row
    EXPECT_EQ(s.Rows().size(), 11U);
    ExpectSurfaceReset(s);
  }
}

TEST(ShellAndStiffenerResults, UsageFactorColour) {
  struct Case {
    double uf, permitted;
    Colour expected;
  };
  const Case cases[] = {
      {0.2, 1.0, Colour::Green},
      {1.0, 1.0, Colour::Green},  // equal to permitted passes
      {0.87, 0.87, Colour::Green},
      {1.0000000000000002, 1.0, Colour::Red},  // strictly greater fails
      {kNaN, 1.0, Colour::Red},
      {kInfinity, 1.0, Colour::Red},
      {-kInfinity, 1.0, Colour::Red},
      {0.5, kNaN, Colour::Red},
  };
  for (const auto& t : kSingleUfTables) {
    for (const auto& c : cases) {
      SCOPED_TRACE(std::string(t.name) + " UF " + std::to_string(c.uf) + " permitted " +
                   std::to_string(c.permitted));
      DesignState ds;
      Fill(ds.*t.table, 4);
      ds.*t.uf = c.uf;
      ds.*t.permitted = c.permitted;
      RecordingSurface s;
      double y = 0;
      t.print(ds, s, y, 0, 0);
      EXPECT_EQ(Find(s, "4.00").colour, c.expected);
      EXPECT_EQ(Find(s, " u4").colour, Colour::Black);
    }
  }
}

// The stiffener routine compares UFst with UFpermst, not the shell's pair.
TEST(ShellAndStiffenerResults, EachTableUsesItsOwnUsageFactor) {
  DesignState ds;
  Fill(ds.shellTable, 3);
  Fill(ds.stiffTable, 3);
  ds.UFshell = 0.9;
  ds.UFpermShell = 1.0;
  ds.UFst = 0.9;
  ds.UFpermst = 0.8;
  RecordingSurface shell, stiff;
  double y = 0;
  PrintShellResults(ds, shell, y, 0, 0);
  y = 0;
  PrintStiffenerResults(ds, stiff, y, 0, 0);
  EXPECT_EQ(Find(shell, "3.00").colour, Colour::Green);
  EXPECT_EQ(Find(stiff, "3.00").colour, Colour::Red);
}

// A value wider than the space left of its edge starts left of its column.
TEST(ShellAndStiffenerResults, WideValueIsNotClipped) {
  DesignState ds;
  Fill(ds.shellTable, 2);
  ds.shellTable.val[1] = std::string(40, '9');
  RecordingSurface s;
  double y = kY0;
  PrintShellResults(ds, s, y, kX, 0);
  ExpectAt(Find(s, std::string(40, '9')), kX + 15 - 20, kY0 + 1.1);
}

// ---- Column table ----

TEST(ColumnResults, ScreenAndPrintedLayout) {
  struct Case {
    int clearFlag;
    double edge, ufStart;
  };
  for (const Case c : {Case{0, 20, 12}, Case{1, 30, 20}}) {
    SCOPED_TRACE(c.clearFlag);
    DesignState ds;
    Fill(ds.stiffTable, 14);
    ds.UF1 = 0.7;
    ds.UF2 = 1.3;
    ds.UFperm = 1.0;
    RecordingSurface s;
    double y = kY0;
    PrintColumnResults(ds, s, y, kX, c.clearFlag);

    ExpectAt(Find(s, "Title"), kX, kY0);
    for (int i = 1; i <= 12; ++i) {
      SCOPED_TRACE(i);
      const std::string val = std::to_string(i) + ".00";
      ExpectAt(Find(s, "L" + std::to_string(i)), kX, kY0 + 1.1 + (i - 1));
      ExpectAt(Find(s, val), kX + c.edge - Width(val), kY0 + 1.1 + (i - 1));
      ExpectPlain(Find(s, val));
    }
    const Text uf1 = Find(s, "13.00");
    const Text uf2 = Find(s, "14.00");
    ExpectAt(Find(s, "L13"), kX, kY0 + 13.1);
    ExpectAt(Find(s, "L14"), kX, kY0 + 14.1);
    ExpectAt(Find(s, " u13"), kX + c.ufStart + Width("13.00"), kY0 + 13.1);
    ExpectAt(uf1, kX + c.ufStart, kY0 + 13.1);
    ExpectAt(uf2, kX + c.ufStart, kY0 + 14.1);
    ExpectAt(Find(s, " u14"), kX + c.ufStart + Width("14.00"), kY0 + 14.1);
    EXPECT_TRUE(uf1.bold);
    EXPECT_TRUE(uf2.bold);
    EXPECT_EQ(uf1.colour, Colour::Green);
    EXPECT_EQ(uf2.colour, Colour::Red);
    ExpectPlain(Find(s, " u13"));
    EXPECT_NEAR(y, kY0 + 0.1 + 14, 1e-9);
    ExpectSurfaceReset(s);
  }
}

TEST(ColumnResults, BothUsageFactorsAgainstUFperm) {
  struct Case {
    double uf1, uf2;
    Colour c1, c2;
  };
  const Case cases[] = {
      {1.0, 1.0, Colour::Green, Colour::Green},
      {1.01, 0.5, Colour::Red, Colour::Green},
      {kNaN, 0.5, Colour::Red, Colour::Green},
      {0.5, kNaN, Colour::Green, Colour::Red},
  };
  for (const auto& c : cases) {
    DesignState ds;
    Fill(ds.stiffTable, 5);
    ds.UF1 = c.uf1;
    ds.UF2 = c.uf2;
    ds.UFperm = 1.0;
    ds.UFst = kNaN;  // not the column check's
    ds.UFpermst = 0.0;
    RecordingSurface s;
    double y = 0;
    PrintColumnResults(ds, s, y, 0, 0);
    EXPECT_EQ(Find(s, "4.00").colour, c.c1);
    EXPECT_EQ(Find(s, "5.00").colour, c.c2);
  }
}

// ---- Unstiffened note ----

TEST(UnstiffenedNote, ThreeLinesOnScreenOneOnPaper) {
  DesignState ds;
  Fill(ds.stiffTable, 13);
  {
    RecordingSurface s;
    double y = kY0;
    PrintUnstiffenedNote(ds, s, y, kX, 0);
    const Text title = Find(s, "Title");
    EXPECT_TRUE(title.bold);
    EXPECT_TRUE(title.underline);
    const char* lines[] = {"Note: s/t>3* Sqr(r/t) ==>", "Calculation as an unstiffened tamrel",
                           "(Ref Ch 3.6.1)"};
    for (int i = 0; i < 3; ++i) {
      const Text t = Find(s, lines[i]);
      ExpectAt(t, kX, kY0 + 2.1 + i);
      EXPECT_TRUE(t.bold);
      EXPECT_FALSE(t.underline);
    }
    EXPECT_EQ(s.VisibleTexts().size(), 4U);  // no table row
    EXPECT_NEAR(y, kY0 + 2.1, 1e-9);
    ExpectSurfaceReset(s);
  }
  {
    RecordingSurface s;
    double y = kY0;
    PrintUnstiffenedNote(ds, s, y, kX, 1);
    const Text t =
        Find(s, "Note: s/t>3* Sqr(r/t) ==> calculation as an unstiffened tamrel, (Ref Ch 3.6.1)");
    ExpectAt(t, kX, kY0 + 2.1);
    EXPECT_TRUE(t.bold);
    EXPECT_EQ(s.VisibleTexts().size(), 2U);
    EXPECT_NEAR(y, kY0 + 2.1, 1e-9);
    ExpectSurfaceReset(s);
  }
}

// ---- Ring-frame table ----

// Rows as the panel ring buckling check writes them.
void FillRing(DesignState& ds) {
  Fill(ds.ringTable, 12);
  ds.ringTable.txt[1] = "Area requirement:";
  ds.ringTable.val[1] = "";
  ds.ringTable.unit[1] = "";
  ds.ringTable.txt[3] = "Moment of inertia requirement:";
  ds.ringTable.val[3] = "";
  ds.ringTable.unit[3] = "";
  ds.ringTable.txt[12] = "Heavy ringframe Ihr>= 1.234E+8  mm4";
  ds.UF = Variant::Int(1);
  ds.UFarea = 0.5;
  ds.UFinertia = 0.5f;
}

TEST(RingResults, LayoutFontsAndTheYLeft) {
  DesignState ds;
  FillRing(ds);
  ds.pd = -0.3f;
  RecordingSurface s;
  double y = kY0;
  PrintRingResults(ds, s, y, kX, 0);

  ExpectAt(Find(s, "Title"), kX, kY0);
  const Text area = Find(s, "Area requirement:");
  ExpectAt(area, kX, kY0 + 1.1);
  EXPECT_TRUE(area.underline);
  EXPECT_FALSE(area.bold);

  // Row 2: the area usage factor after its label, then " <= " and UF.
  const Text uf2 = Find(s, "2.00");
  ExpectAt(Find(s, "L2"), kX, kY0 + 2.1);
  ExpectAt(uf2, kX + Width("L2"), kY0 + 2.1);
  EXPECT_TRUE(uf2.bold);
  EXPECT_EQ(uf2.colour, Colour::Green);
  EXPECT_EQ(Count(s, " u2"), 0);  // the row's own unit is not drawn

  const Text inertia = Find(s, "Moment of inertia requirement:");
  ExpectAt(inertia, kX, kY0 + 3.1);
  EXPECT_TRUE(inertia.underline);
  for (int i = 4; i <= 10; ++i) {
    SCOPED_TRACE(i);
    const std::string val = std::to_string(i) + ".00";
    const Text label = Find(s, "L" + std::to_string(i));
    ExpectAt(label, kX, kY0 + 1.1 + (i - 1));
    ExpectPlain(label);
    ExpectAt(Find(s, val), kX + 14 - Width(val), kY0 + 1.1 + (i - 1));  // right edge 14
  }
  const Text uf11 = Find(s, "11.00");
  ExpectAt(uf11, kX + Width("L11"), kY0 + 11.1);
  EXPECT_TRUE(uf11.bold);
  EXPECT_EQ(uf11.colour, Colour::Green);
  EXPECT_EQ(Count(s, " u11"), 0);  // the row's own unit is not drawn
  // " <= " and UF follow each usage factor directly, plain.
  EXPECT_EQ(Count(s, " <= 1.00"), 2);
  for (const double rowY : {kY0 + 2.1, kY0 + 11.1}) {
    const auto row = s.TextsAt(rowY);
    ASSERT_EQ(row.size(), 3U);
    EXPECT_EQ(row[2].text, " <= 1.00");
    ExpectAt(row[2], row[1].x + Width(row[1].text), rowY);
    ExpectPlain(row[2]);
  }
  const Text note = Find(s, "Heavy ringframe Ihr>= 1.234E+8  mm4");
  ExpectAt(note, kX, kY0 + 12.1);
  ExpectPlain(note);
  EXPECT_TRUE(s.ops().back().text.lineBreak);

  EXPECT_NEAR(y, kY0 + 0.1 + 12, 1e-9);
  EXPECT_EQ(s.Rows().size(), 13U);
  ExpectSurfaceReset(s);
}

// A ring-frame row's value ends 18 units right of the labels in row 1.
TEST(RingResults, AreaHeadingValueEdge) {
  DesignState ds;
  FillRing(ds);
  ds.ringTable.val[1] = "123.4";
  ds.ringTable.unit[1] = " mm2";
  RecordingSurface s;
  double y = kY0;
  PrintRingResults(ds, s, y, kX, 0);
  ExpectAt(Find(s, "123.4"), kX + 18 - Width("123.4"), kY0 + 1.1);
  ExpectAt(Find(s, " mm2"), kX + 18, kY0 + 1.1);
  ExpectPlain(Find(s, "123.4"));
}

TEST(RingResults, ColouredAgainstTheUsageFactorInput) {
  struct Case {
    Variant uf;
    double ufArea;
    float ufInertia;
    Colour area, inertia;
  };
  const Case cases[] = {
      {Variant::Int(1), 1.0, 1.0f, Colour::Green, Colour::Green},
      {Variant(0.8f), 0.81, 0.79f, Colour::Red, Colour::Green},
      {Variant(0.8f), static_cast<double>(0.8f), 0.8f, Colour::Green, Colour::Green},
      {Variant::Int(1), kNaN, std::numeric_limits<float>::infinity(), Colour::Red, Colour::Red},
  };
  for (const auto& c : cases) {
    DesignState ds;
    FillRing(ds);
    ds.UF = c.uf;
    ds.UFarea = c.ufArea;
    ds.UFinertia = c.ufInertia;
    ds.UFperm = 100.0;  // the ring table does not use the shell's permitted value
    RecordingSurface s;
    double y = 0;
    PrintRingResults(ds, s, y, 0, 0);
    EXPECT_EQ(Find(s, "2.00").colour, c.area);
    EXPECT_EQ(Find(s, "11.00").colour, c.inertia);
  }
}

TEST(RingResults, PermittedTextUsesTheLocaleSign) {
  struct Case {
    Variant uf;
    Variant decflag;
    const char* expected;
  };
  const Case cases[] = {
      {Variant::Int(1), Variant::Int(0), " <= 1.00"},
      {Variant::Int(1), Variant::Int(1), " <= 1,00"},
      {Variant(0.85f), Variant::Int(-1), " <= 0,85"},
      {Variant(0.805), Variant::Int(0), " <= 0.81"},
  };
  for (const auto& c : cases) {
    DesignState ds;
    FillRing(ds);
    ds.UF = c.uf;
    ds.decflag = c.decflag;
    RecordingSurface s;
    double y = 0;
    PrintRingResults(ds, s, y, 0, 0);
    EXPECT_EQ(Count(s, c.expected), 2) << c.expected;
  }
}

// Row 12 and the check box follow the sign of pd; without a window the
// drawing is the same.
TEST(RingResults, ClosingRowAndCheckIhByPressure) {
  struct Case {
    float pd;
    bool shown;
  };
  for (const Case c :
       {Case{-0.3f, true}, Case{0.0f, false}, Case{0.2f, false}, Case{-1e-30f, true}}) {
    SCOPED_TRACE(c.pd);
    for (const bool withWindow : {true, false}) {
      for (const int clearFlag : {0, 1}) {
        DesignState ds;
        FillRing(ds);
        ds.pd = c.pd;
        FakeWindow window;
        if (withWindow) ds.mainfrm = &window;
        RecordingSurface s;
        double y = kY0;
        PrintRingResults(ds, s, y, kX, clearFlag);
        EXPECT_EQ(Count(s, "Heavy ringframe Ihr>= 1.234E+8  mm4"), c.shown ? 1 : 0);
        EXPECT_NEAR(y, kY0 + 12.1, 1e-9);
        if (withWindow) {
          EXPECT_EQ(window.checkIh, std::vector<bool>{c.shown});
        }
      }
    }
  }
}

// ---- Every routine ----

struct AnyRoutine {
  const char* name;
  Routine print;
  ResultTable DesignState::*table;
};

const AnyRoutine kAllRoutines[] = {
    {"shell", PrintShellResults, &DesignState::shellTable},
    {"stiffener", PrintStiffenerResults, &DesignState::stiffTable},
    {"note", PrintUnstiffenedNote, &DesignState::stiffTable},
    {"column", PrintColumnResults, &DesignState::stiffTable},
    {"ring", PrintRingResults, &DesignState::ringTable},
};

DesignState FilledState() {
  DesignState ds;
  Fill(ds.shellTable, 10);
  Fill(ds.stiffTable, 14);
  FillRing(ds);
  ds.pd = -0.3f;
  return ds;
}

TEST(ResultTables, ClearOnlyWhenTheFlagIsZero) {
  for (const auto& r : kAllRoutines) {
    for (const int clearFlag : {0, 1, -1, 2}) {
      SCOPED_TRACE(std::string(r.name) + " flag " + std::to_string(clearFlag));
      const DesignState ds = FilledState();
      RecordingSurface s;
      s.Print("earlier");
      double y = kY0;
      r.print(ds, s, y, kX, clearFlag);
      const bool clears = clearFlag == 0;
      EXPECT_EQ(s.ClearCount(), clears ? 1 : 0);
      EXPECT_EQ(Count(s, "earlier"), clears ? 0 : 1);
      // The clear comes first: nothing of the table is drawn before it.
      if (clears) {
        EXPECT_EQ(s.ops()[1].kind, RecordingSurface::Op::Kind::Clear);
      }
      EXPECT_EQ(Count(s, "Title"), 1);
    }
  }
}

TEST(ResultTables, WhereYIsLeft) {
  struct Case {
    Routine print;
    int last;
    double offset;  // from the y passed in
  };
  const Case cases[] = {
      {PrintShellResults, 10, 10.1},  {PrintShellResults, 13, 13.1},
      {PrintShellResults, 1, 1.1},    {PrintStiffenerResults, 13, 13.1},
      {PrintColumnResults, 14, 14.1}, {PrintColumnResults, 2, 2.1},
      {PrintRingResults, 12, 12.1},   {PrintUnstiffenedNote, 13, 2.1},
      {PrintUnstiffenedNote, 0, 2.1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.last);
    DesignState ds = FilledState();
    ds.shellTable.last = static_cast<std::int16_t>(c.last);
    ds.stiffTable.last = static_cast<std::int16_t>(c.last);
    ds.ringTable.last = static_cast<std::int16_t>(c.last);
    RecordingSurface s;
    double y = -4.5;
    c.print(ds, s, y, 0, 1);
    EXPECT_NEAR(y, -4.5 + c.offset, 1e-9);
  }
}

// A design state that never ran a check: empty texts, every last row 0. Each
// routine draws its (empty) title only and leaves y just below it.
TEST(ResultTables, NeverFilledTablesDrawTheTitleOnly) {
  for (const auto& r : kAllRoutines) {
    SCOPED_TRACE(r.name);
    DesignState ds;
    ds.pd = -0.3f;
    FakeWindow window;
    ds.mainfrm = &window;
    RecordingSurface s;
    double y = kY0;
    r.print(ds, s, y, kX, 0);
    const auto texts = s.Visible();
    const bool note = std::string(r.name) == "note";
    ASSERT_EQ(texts.size(), note ? 4U : 1U);
    EXPECT_EQ(texts[0].text, "");
    ExpectAt(texts[0], kX, kY0);
    EXPECT_NEAR(y, kY0 + (note ? 2.1 : 1.1), 1e-9);
    ExpectSurfaceReset(s);
  }
}

// A last-row index outside 0..15 is clamped: no row outside the table is
// read, and each row is drawn at most once.
TEST(ResultTables, LastRowOutsideTheTableIsClamped) {
  for (const auto& r : kAllRoutines) {
    for (const int last : {-5, -1, 16, 99, 32767}) {
      SCOPED_TRACE(std::string(r.name) + " last " + std::to_string(last));
      DesignState ds = FilledState();
      ds.shellTable.last = static_cast<std::int16_t>(last);
      ds.stiffTable.last = static_cast<std::int16_t>(last);
      ds.ringTable.last = static_cast<std::int16_t>(last);
      RecordingSurface s;
      double y = 0;
      r.print(ds, s, y, 0, 0);
      if (std::string(r.name) == "note") continue;
      const int drawnLast = last < 0 ? 0 : 15;
      for (int i = 1; i <= 15; ++i) {
        EXPECT_EQ(Count(s, (ds.*r.table).txt[i]), i <= drawnLast ? 1 : 0) << "row " << i;
      }
      EXPECT_LE(y, 15.1 + 1e-9);
    }
  }
}

// Ring tables shorter than the check writes: every row drawn once at most,
// none read twice as heading and usage factor.
TEST(RingResults, ShortTablesDrawEachRowOnce) {
  for (int last = 0; last <= 5; ++last) {
    SCOPED_TRACE(last);
    DesignState ds;
    FillRing(ds);
    ds.ringTable.last = static_cast<std::int16_t>(last);
    ds.pd = -0.3f;
    RecordingSurface s;
    double y = 0;
    PrintRingResults(ds, s, y, 0, 0);
    EXPECT_EQ(Count(s, "Title"), 1);
    // Values: the area usage factor (row 2) and rows 4 .. last-1; rows 1 and
    // 3 are headings without a value, row last the note without one.
    for (int i = 1; i <= 15; ++i) {
      const std::string value = std::to_string(i) + ".00";
      const bool drawn = (i == 2 && last >= 2) || (i >= 4 && i <= last - 1);
      EXPECT_EQ(Count(s, value), drawn ? 1 : 0) << value;
    }
    for (int i = 1; i <= 15; ++i) {
      EXPECT_EQ(Count(s, ds.ringTable.txt[i]), i <= last ? 1 : 0) << "label " << i;
    }
  }
}

// The one colour rule on every usage-factor row the five routines draw, on
// screen (flag 0) and on paper (flag 1): green only for a finite usage factor
// not below zero within a finite permitted value above zero.
TEST(ResultTables, TheColourRuleOnEveryUsageFactorRow) {
  struct Case {
    double uf, permitted;
    Colour expected;
  };
  const Case cases[] = {
      {0.5, 1.0, Colour::Green},
      {0.0, 1.0, Colour::Green},  // unloaded
      {-0.0, 1.0, Colour::Green},
      {1.0, 1.0, Colour::Green},
      {1.5, 1.0, Colour::Red},
      {-4.81, 1.0, Colour::Red},  // a negative area gives a negative usage factor
      {-1e-300, 1.0, Colour::Red},
      {kNaN, 1.0, Colour::Red},
      {kInfinity, 1.0, Colour::Red},
      {-kInfinity, 1.0, Colour::Red},
      {2.21, kInfinity, Colour::Red},  // a usage-factor input beyond single precision
      {1e300, kInfinity, Colour::Red},
      {0.5, 1e300, Colour::Green},  // large, but a number
      {0.5, -kInfinity, Colour::Red},
      {0.5, kNaN, Colour::Red},
      {0.0, 0.0, Colour::Red},  // nothing is permitted
      {0.5, -1.0, Colour::Red},
      {-2.0, -1.0, Colour::Red},
      {0.5, 5e-324, Colour::Red},
  };
  for (const auto& c : cases) {
    for (int flag : {0, 1}) {
      SCOPED_TRACE("UF " + std::to_string(c.uf) + " permitted " + std::to_string(c.permitted) +
                   " flag " + std::to_string(flag));
      DesignState ds;
      Fill(ds.shellTable, 4);
      Fill(ds.stiffTable, 5);
      ds.UFshell = c.uf;
      ds.UFpermShell = c.permitted;
      ds.UFst = c.uf;
      ds.UFpermst = c.permitted;
      ds.UF1 = c.uf;
      ds.UF2 = c.uf;
      ds.UFperm = c.permitted;
      RecordingSurface shell, stiff, column, ring;
      double y = 0;
      PrintShellResults(ds, shell, y, 0, flag);
      EXPECT_EQ(Find(shell, "4.00").colour, c.expected) << "shell";
      y = 0;
      PrintStiffenerResults(ds, stiff, y, 0, flag);
      EXPECT_EQ(Find(stiff, "5.00").colour, c.expected) << "stiffener";
      y = 0;
      PrintColumnResults(ds, column, y, 0, flag);
      EXPECT_EQ(Find(column, "4.00").colour, c.expected) << "column axis 1";
      EXPECT_EQ(Find(column, "5.00").colour, c.expected) << "column axis 2";
      // The ring-frame table compares with the usage-factor input itself.
      FillRing(ds);
      ds.UF = c.permitted;
      ds.UFarea = c.uf;
      ds.UFinertia = static_cast<float>(c.uf);
      y = 0;
      PrintRingResults(ds, ring, y, 0, flag);
      EXPECT_EQ(Find(ring, "2.00").colour, c.expected) << "ring area";
      // UFinertia is a single: -1e-300 becomes a zero, which passes.
      const bool underflows = c.uf != 0 && ds.UFinertia == 0.0f;
      if (!underflows) {
        EXPECT_EQ(Find(ring, "11.00").colour, c.expected) << "ring inertia";
      }
    }
  }
  EXPECT_TRUE(UsageFactorPasses(0.87, 0.87));
  EXPECT_FALSE(UsageFactorPasses(-0.5, 1.0));
  EXPECT_FALSE(UsageFactorPasses(0.5, kInfinity));
  EXPECT_FALSE(UsageFactorPasses(0.0, 0.0));
}

TEST(RecordingSurface, RowsGroupTextsByY) {
  DesignState ds = FilledState();
  ds.UFshell = kNaN;
  ds.UFpermShell = 1.0;
  RecordingSurface s;
  double y = 0;
  PrintShellResults(ds, s, y, 0, 0);
  const auto rows = s.Rows();
  ASSERT_EQ(rows.size(), 11U);
  EXPECT_EQ(rows[0].Joined(), "Title");
  EXPECT_EQ(rows[3].Joined(), "L33.00 u3");
  ASSERT_EQ(rows[10].texts.size(), 3U);
  EXPECT_STREQ(ColourName(rows[10].texts[1].colour), "red");
  EXPECT_STREQ(ColourName(rows[10].texts[0].colour), "black");
  EXPECT_DOUBLE_EQ(s.TextWidth("abc"), 1.5);
}

}  // namespace
}  // namespace tamrel
