// The input summary of the report body: design format and materials, the
// geometry with the geometry sketch beside it, the loading, and the rules
// that close the summary.

#include <string>
#include <string_view>

#include "calc/format.h"
#include "calc/numeric.h"
#include "report/report_common.h"
#include "report/report_parts.h"

namespace tamrel {

namespace {

// The grade name of a material index; an index outside the table (a
// damaged project file) names no grade.
std::string GradeName(const DesignState& ds, int index) {
  if (index < 0 || index >= MaterialTable::kMaxGrades) return {};
  return ds.mat.matname[static_cast<std::size_t>(index)];
}

// A value row `step` below the last, with the grade name right-aligned at
// xmat before the symbol.
void MaterialRow(DesignState& ds, ReportPage& page, double step, std::string_view label, int grade,
                 const Variant& fy) {
  ds.ypos = ds.ypos + step;
  page.SetPos(ds.xhead, ds.ypos);
  page.Print(label);
  const std::string name = GradeName(ds, grade);
  page.SetCurrentX(ds.xmat - page.TextWidth(name));
  page.Print(name);
  page.SetCurrentX(ds.xlab);
  page.Print("fy");
  page.SetCurrentX(ds.xeq);
  page.Print("=");
  PrintValueEndingAt(page, ds.xval, Format(ds, fy, "###"), "MPa");
}

// A loading row: symbol at xhead, "=" at xeq2, value ending at xval2.
void LoadingRow(DesignState& ds, ReportPage& page, std::string_view symbol, const Variant& value,
                const char* pattern, std::string_view unit) {
  ds.ypos = ds.ypos + 1;
  page.SetPos(ds.xhead, ds.ypos);
  page.Print(symbol);
  page.SetCurrentX(ds.xeq2);
  page.Print("=");
  PrintValueEndingAt(page, ds.xval2, Format(ds, value, pattern), unit);
}

struct GeometryRow {
  const char* label;
  const char* symbol;
  Variant (*value)(const DesignState&);
  const char* pattern;
  const char* unit;
};

constexpr GeometryRow kCylinderLength{"Cylinder length", "L", Get<&DesignState::cyll>, "0", "mm"};
constexpr GeometryRow kRingTrippingLength{"Lat tors buckl length: (ringframe)", "lt",
                                          Get<&DesignState::ringlt>, "0", "mm"};
constexpr GeometryRow kRingStiffenedRows[] = {kCylinderLength, kRingTrippingLength};
constexpr GeometryRow kStringerStiffenedRows[] = {
    {"Stiff spacing:", "s", Get<&DesignState::stiffspacing>, "0", "mm"},
    {"Lat tors buckl length: (stiffener)", "lt", Get<&DesignState::stifflt>, "0", "mm"},
    kCylinderLength,
    kRingTrippingLength,
};
constexpr GeometryRow kColumnRows[] = {
    kCylinderLength,
    {"Effective length factor", "k1", Get<&DesignState::k1>, "0.00", ""},
    {"", "k2", Get<&DesignState::k2>, "0.00", ""},
};

template <std::size_t N>
void PrintGeometryRows(DesignState& ds, ReportPage& page, const GeometryRow (&rows)[N]) {
  for (const GeometryRow& row : rows) {
    ValueRow(ds, page, row.label, row.symbol, Format(ds, row.value(ds), row.pattern), row.unit);
  }
}

struct LoadingRowData {
  const char* symbol;
  Variant (*value)(const DesignState&);
  const char* pattern;
  const char* unit;
};

constexpr LoadingRowData kPressureRow{"pd", Get<&DesignState::pd>, "0.000",
                                      "MPa (positive = inside pressure)"};
constexpr LoadingRowData kShellLoadingRows[] = {
    {"Sigx", Get<&DesignState::Sigx>, "0.0", "MPa"},
    {"Sigy", Get<&DesignState::Sigy>, "0.0", "MPa"},
    {"Tau", Get<&DesignState::Tau>, "0.0", "MPa"},
    kPressureRow,
};
constexpr LoadingRowData kColumnLoadingRows[] = {
    kPressureRow,
    {"N", Get<&DesignState::naxial>, "0.0", "kN"},
    {"M1a", Get<&DesignState::M1a>, "0.0", "kNm"},
    {"M1b", Get<&DesignState::M1b>, "0.0", "kNm"},
    {"M2a", Get<&DesignState::M2a>, "0.0", "kNm"},
    {"M2b", Get<&DesignState::M2b>, "0.0", "kNm"},
};

void PrintDesignFormatAndMaterial(DesignState& ds, ReportPage& page) {
  Heading(ds, page, ds.xhead, "Design format/Condition and Material:");
  ValueRow(ds, page, "Design Condition:", "", ds.lrfd == kLRFD ? "LRDF meth.od" : "WSD meth.od",
           "");
  if (ds.lrfd == kLRFD) {
    ValueRow(ds, page, "Allowable Usage Factor: ", "UF", Format(ds, ds.UF, "##.00"), "");
  } else {
    ValueRow(ds, page, "Basic Usage Factor: ", "n0", Format(ds, ds.UF, "#0.00"), "");
  }
  // The plate row stands 1.3 below the usage factor, a little apart.
  MaterialRow(ds, page, 1.3, "Plate: ", ds.matp, ds.fyp);
  if (ds.cyltype == kRingStiffened || ds.cyltype == kStringerStiffened) {
    MaterialRow(ds, page, 1, "Stiffener: ", ds.mats, ds.fys);
    if (ds.ring == 1) MaterialRow(ds, page, 1, "Ringframe: ", ds.matg, ds.fyg);
  }
  ValueRow(ds, page, "Youngs modulus: ", "E", Format(ds, ds.emod, "0.00E+0"), "MPa");
}

void PrintGeometry(DesignState& ds, ReportPage& page, float sketchw, float sketchh) {
  ds.ypos = ds.ypos + 1.5;
  Heading(ds, page, ds.xhead, "Geometry:");
  ValueRow(ds, page, "Cylinder radius (cL plate)", "r", Format(ds, ds.cylr, "0"), "mm");
  if (ds.cyltype != kColumnBuckling) {
    ValueRow(ds, page, "Distance between ring frames", "l", Format(ds, ds.ringspacing, "0"), "mm");
  }
  ValueRow(ds, page, "Cylinder wall thickness", "t", Format(ds, ds.cylt, "0.0"), "mm");
  switch (ds.cyltype) {
    case kRingStiffened: PrintGeometryRows(ds, page, kRingStiffenedRows); break;
    case kStringerStiffened: PrintGeometryRows(ds, page, kStringerStiffenedRows); break;
    case kColumnBuckling: PrintGeometryRows(ds, page, kColumnRows); break;
    default: break;
  }
  // The sketch the main window shows, stretched into the rectangle beside
  // the rows; the same rectangle for every cylinder type.
  if (const std::optional<GeometrySketch> sketch = GeometrySketchFor(ds.cyltype, ds.outside != 0)) {
    page.PaintPicture(ds.xpic, ds.ytop, sketchw, sketchh,
                      QString::fromLatin1(GeometrySketchName(*sketch)),
                      [s = *sketch](QPainter& p, const QRectF& r) { DrawGeometrySketch(p, r, s); });
  }
}

void PrintLoading(DesignState& ds, ReportPage& page) {
  ds.ypos = ds.ypos + 1.5;
  Heading(ds, page, ds.xhead, "Loading:");
  if (ds.cyltype == kColumnBuckling) {
    for (const LoadingRowData& row : kColumnLoadingRows) {
      LoadingRow(ds, page, row.symbol, row.value(ds), row.pattern, row.unit);
    }
  } else {
    for (const LoadingRowData& row : kShellLoadingRows) {
      LoadingRow(ds, page, row.symbol, row.value(ds), row.pattern, row.unit);
    }
  }
}

// Brings ypos below the sketch, draws the rule across the page and the
// rule between the rows and the sketch, and starts what follows one below.
void CloseInputSummary(DesignState& ds, ReportPage& page, float sketchh) {
  const float yend = Sng(static_cast<double>(Sng(static_cast<double>(ds.ytop) + 1)) +
                         static_cast<double>(sketchh) / static_cast<double>(ds.rrows) * 88);
  if (static_cast<double>(yend) > ds.ypos) ds.ypos = static_cast<double>(Sng(yend + 1.0));
  SectionEndRule(ds, page);
  page.Line(ds.xrule, ToSingle(static_cast<double>(ds.ytop) + 0.5), ds.xrule, ds.ypos - 0.5);
  ds.ypos = ds.ypos + 1;
  ds.ytop = Sng(ds.ypos);
}

}  // namespace

void PrintInputSummary(DesignState& ds, ReportPage& page) {
  const float sketchw = ds.xpicend - ds.xpic;
  const float sketchh = Sng(static_cast<double>(sketchw) * static_cast<double>(ds.rrows) /
                            static_cast<double>(ds.rcols));
  PrintDesignFormatAndMaterial(ds, page);
  PrintGeometry(ds, page, sketchw, sketchh);
  PrintLoading(ds, page);
  CloseInputSummary(ds, page, sketchh);
}

}  // namespace tamrel
