#include "calc/result_tables.h"

#include <algorithm>
#include <string>

#include "calc/format.h"
#include "calc/numeric.h"
#include "calc/window.h"

namespace tamrel {
namespace {

// Right edges of the value column, from the left edge of the labels.
constexpr double kShellValueEdge = 15;
constexpr double kColumnValueEdgeScreen = 20;
constexpr double kColumnValueEdgePrint = 30;
constexpr double kColumnUsageStartScreen = 12;
constexpr double kColumnUsageStartPrint = 20;
constexpr double kRingAreaValueEdge = 18;
constexpr double kRingValueEdge = 14;

// Steps of y: below the title, and per row.
constexpr double kTitleStep = 1.1;
constexpr double kNoteTitleStep = 2.1;
constexpr double kRowStep = 1;

// The last row to draw. The checks never write an index outside the table;
// should one arrive anyway, it is clamped so no row outside 0..15 is read.
int LastRow(const ResultTable& t) {
  return std::clamp(static_cast<int>(t.last), 0, ResultTable::kRows - 1);
}

const std::string& Label(const ResultTable& t, int i) {
  return t.txt[static_cast<std::size_t>(i)];
}
const std::string& Value(const ResultTable& t, int i) {
  return t.val[static_cast<std::size_t>(i)];
}
const std::string& Unit(const ResultTable& t, int i) {
  return t.unit[static_cast<std::size_t>(i)];
}

// Clears the screen picture (flag 0) and draws the bold underlined title.
void DrawTitle(const ResultTable& t, TextSurface& s, double& y, double x, int clearFlag,
               bool keepBold) {
  if (clearFlag == 0) s.Clear();
  s.SetPos(x, y);
  s.SetUnderline(true);
  s.SetBold(true);
  s.Print(Label(t, 0));
  s.SetUnderline(false);
  if (!keepBold) s.SetBold(false);
}

// Label at x, value ending `edge` units right of x, unit right after it.
void DrawNormalRow(const ResultTable& t, int i, TextSurface& s, double& y, double x, double edge,
                   bool underlineLabel = false) {
  s.SetPos(x, y);
  if (underlineLabel) s.SetUnderline(true);
  s.Print(Label(t, i));
  if (underlineLabel) s.SetUnderline(false);
  s.SetCurrentX(x + edge - s.TextWidth(Value(t, i)));
  s.Print(Value(t, i));
  s.Print(Unit(t, i));
  y += kRowStep;
}

// Label at x, then the bold value in green (pass) or red, then `tail` in
// black. The value follows the label unless a start offset is given.
void DrawUsageFactorRow(const ResultTable& t, int i, TextSurface& s, double y, double x,
                        bool passes, const std::string& tail, const double* start = nullptr) {
  s.SetPos(x, y);
  s.Print(Label(t, i));
  s.SetBold(true);
  s.SetColour(passes ? Colour::Green : Colour::Red);
  if (start != nullptr) s.SetCurrentX(x + *start);
  s.Print(Value(t, i));
  s.SetColour(Colour::Black);
  s.SetBold(false);
  s.Print(tail);
}

// The shell and stiffener tables: normal rows, the last row the usage factor.
void DrawTableEndingInUsageFactor(const ResultTable& t, TextSurface& s, double& y, double x,
                                  int clearFlag, double usageFactor, double permitted) {
  DrawTitle(t, s, y, x, clearFlag, false);
  y += kTitleStep;
  const int last = LastRow(t);
  if (last < 1) return;  // never filled: the title only
  for (int i = 1; i <= last - 1; ++i) DrawNormalRow(t, i, s, y, x, kShellValueEdge);
  DrawUsageFactorRow(t, last, s, y, x, UsageFactorPasses(usageFactor, permitted), Unit(t, last));
}

}  // namespace

bool UsageFactorPasses(double usageFactor, double permitted) {
  // A negative usage factor comes only from an impossible input (a negative
  // area or strength), and an infinite permitted value would pass anything.
  return IsFinite(usageFactor) && usageFactor >= 0 && IsFinite(permitted) && permitted > 0 &&
         usageFactor <= permitted;
}

void PrintShellResults(const DesignState& ds, TextSurface& surface, double& y, double x,
                       int clearFlag) {
  DrawTableEndingInUsageFactor(ds.shellTable, surface, y, x, clearFlag, ds.UFshell, ds.UFpermShell);
}

void PrintStiffenerResults(const DesignState& ds, TextSurface& surface, double& y, double x,
                           int clearFlag) {
  DrawTableEndingInUsageFactor(ds.stiffTable, surface, y, x, clearFlag, ds.UFst, ds.UFpermst);
}

void PrintUnstiffenedNote(const DesignState& ds, TextSurface& surface, double& y, double x,
                          int clearFlag) {
  DrawTitle(ds.stiffTable, surface, y, x, clearFlag, true);
  y += kNoteTitleStep;
  surface.SetPos(x, y);
  if (clearFlag == 0) {
    surface.PrintLine("Note: s/t>3* Sqr(r/t) ==>");
    surface.SetCurrentX(x);
    surface.PrintLine("Calculation as an unstiffened tamrel");
    surface.SetCurrentX(x);
    surface.Print("(Ref Ch 3.6.1)");
  } else {
    surface.Print("Note: s/t>3* Sqr(r/t) ==> calculation as an unstiffened tamrel, (Ref Ch 3.6.1)");
  }
  surface.SetBold(false);
}

void PrintColumnResults(const DesignState& ds, TextSurface& surface, double& y, double x,
                        int clearFlag) {
  const ResultTable& t = ds.stiffTable;
  const bool screen = clearFlag == 0;
  const double edge = screen ? kColumnValueEdgeScreen : kColumnValueEdgePrint;
  const double start = screen ? kColumnUsageStartScreen : kColumnUsageStartPrint;
  DrawTitle(t, surface, y, x, clearFlag, false);
  y += kTitleStep;
  const int last = LastRow(t);
  for (int i = 1; i <= last - 2; ++i) DrawNormalRow(t, i, surface, y, x, edge);
  // The two usage-factor rows (about axes 1 and 2); a shorter table than the
  // column check writes draws only those of them that are result rows.
  if (last - 1 >= 1) {
    DrawUsageFactorRow(t, last - 1, surface, y, x, UsageFactorPasses(ds.UF1, ds.UFperm),
                       Unit(t, last - 1), &start);
    y += kRowStep;
  }
  if (last >= 1) {
    DrawUsageFactorRow(t, last, surface, y, x, UsageFactorPasses(ds.UF2, ds.UFperm), Unit(t, last),
                       &start);
  }
}

void PrintRingResults(const DesignState& ds, TextSurface& surface, double& y, double x,
                      int clearFlag) {
  const ResultTable& t = ds.ringTable;
  const std::string permitted = " <= " + FormatNumber(ds.UF, "0.00", DecimalSign(ds));
  DrawTitle(t, surface, y, x, clearFlag, false);
  y += kTitleStep;
  const int last = LastRow(t);
  // Fixed rows 1 (area heading) and 2 (area usage factor), rows 3 .. last-2,
  // the inertia usage factor at last-1 and the closing note at last. A table
  // shorter than the check writes draws only the rows it has, each once.
  if (last >= 1) {
    surface.SetPos(x, y);
    surface.SetUnderline(true);
    surface.Print(Label(t, 1));
    surface.SetUnderline(false);
    surface.SetCurrentX(x + kRingAreaValueEdge - surface.TextWidth(Value(t, 1)));
    surface.Print(Value(t, 1));
    surface.Print(Unit(t, 1));
    y += kRowStep;
  }
  if (last >= 2) {
    DrawUsageFactorRow(t, 2, surface, y, x, UsageFactorPasses(ds.UFarea, ds.UF), permitted);
    y += kRowStep;
  }
  for (int i = 3; i <= last - 2; ++i) {
    DrawNormalRow(t, i, surface, y, x, kRingValueEdge, i == 3);
  }
  if (last - 1 >= 3) {
    DrawUsageFactorRow(t, last - 1, surface, y, x, UsageFactorPasses(ds.UFinertia, ds.UF),
                       permitted);
    y += kRowStep;
  }
  // Under external pressure the closing note row is drawn and the special
  // calculation of Ih is offered.
  const bool external = ds.pd < 0;
  if (external && last >= 3) {
    surface.SetPos(x, y);
    surface.PrintLine(Label(t, last));
  }
  if (ds.mainfrm != nullptr) ds.mainfrm->SetCheckIhVisible(external);
}

}  // namespace tamrel
