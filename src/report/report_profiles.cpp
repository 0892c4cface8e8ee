// The profile sections of the report: the stiffener at the left margin and
// the ring frame beside it (60 units to the right) or at the margin, each
// with its heading and type line, the profile sketch and the profile-data
// block of its profile type.

#include <span>
#include <string>

#include "calc/format.h"
#include "calc/numeric.h"
#include "report/report_common.h"
#include "report/report_parts.h"

namespace tamrel {

namespace {

enum class Member { Stiffener, Ring };

// One row of a profile-data block: symbol, the stiffener's and the ring
// frame's value, display pattern and unit.
struct DataRow {
  const char* symbol;
  Variant (*stiffener)(const DesignState&);
  Variant (*ring)(const DesignState&);
  const char* pattern;
  const char* unit;
};

constexpr DataRow kH{"H", Get<&DesignState::hs>, Get<&DesignState::hg>, "#00", "mm"};
constexpr DataRow kB{"B", Get<&DesignState::bs>, Get<&DesignState::bg>, "#00", "mm"};
constexpr DataRow kTw{"tw", Get<&DesignState::tws>, Get<&DesignState::twg>, "#0.0", "mm"};
constexpr DataRow kTf{"tf", Get<&DesignState::tfs>, Get<&DesignState::tfg>, "#0.0", "mm"};
constexpr DataRow kA{"A", Get<&DesignState::As>, Get<&DesignState::Ag>, "#00", "mm2"};
constexpr DataRow kG{"g", Get<&DesignState::gstiff>, Get<&DesignState::ggird>, "#0.0", "kg/m"};
constexpr DataRow kIy{"Iy", Get<&DesignState::Iys>, Get<&DesignState::Iyg>, "0.000E+0", "mm4"};
constexpr DataRow kIz{"Iz", Get<&DesignState::Izs>, Get<&DesignState::Izg>, "0.000E+0", "mm4"};
// The trapezoid's third dimension a.
constexpr DataRow kTrapezA{"a", Get<&DesignState::cs>, Get<&DesignState::cg>, "#00", "mm"};
// Bulb flat: bulb dimensions and the flange derived for the bulb, one decimal.
constexpr DataRow kBulbC{"c", Get<&DesignState::cs>, Get<&DesignState::cg>, "#0.0", "mm"};
constexpr DataRow kBulbR{"r", Get<&DesignState::Ros>, Get<&DesignState::Rog>, "#0.0", "mm"};
constexpr DataRow kBulbB{"B", Get<&DesignState::bs>, Get<&DesignState::bg>, "#0.0", "mm"};

constexpr DataRow kLTIRows[] = {kH, kB, kTw, kTf, kA, kG, kIy, kIz};
constexpr DataRow kRHSRows[] = {kH, kB, kTw, kA, kG, kIy};
constexpr DataRow kTrapezRows[] = {kH, kB, kTrapezA, kTw, kA, kG, kIy};
constexpr DataRow kFlatbarRows[] = {kH, kTw, kA, kG, kIy};
constexpr DataRow kBulbFlatRows[] = {kH, kTw, kBulbC, kBulbR, kBulbB, kTf, kA, kG, kIy};

// Elements of stiffclass / girdclass printed under "Local buckling:".
constexpr int kStiffLTIClasses[] = {1, 2};
constexpr int kRingLTIClasses[] = {1, 2, 3, 4};
constexpr int kFirstClass[] = {1};
constexpr int kRingBulbClasses[] = {1, 2};

double At(double x) {
  return ToSingle(x);
}

// Prints a block from ypos down: the underlined "Profile data:" two rows
// below, the data rows, then (when there are any) the local-buckling texts.
void PrintProfileBlock(DesignState& ds, ReportPage& page, Member member,
                       std::span<const DataRow> rows, std::span<const int> classes) {
  const double xsym = At(ds.xlab + ds.xshift);
  const double xeq = At(static_cast<double>(ds.xeq) + ds.xshift);
  const double xval = At(ds.xval + ds.xshift);

  ds.ypos = ds.ypos + 2;
  page.SetUnderline(true);
  page.SetPos(xsym, At(ds.ypos));
  page.Print("Profile data:");
  page.SetUnderline(false);

  for (const DataRow& row : rows) {
    ds.ypos = ds.ypos + 1;
    const double y = At(ds.ypos);
    page.SetPos(xsym, y);
    page.Print(row.symbol);
    page.SetPos(xeq, y);
    page.Print("=");
    const Variant value = member == Member::Stiffener ? row.stiffener(ds) : row.ring(ds);
    const std::string text = Format(ds, value, row.pattern);
    page.SetPos(At(xval - page.TextWidth(text)), y);
    page.PrintLine(text + " " + row.unit);
  }

  if (classes.empty()) return;
  ds.ypos = ds.ypos + 1;
  page.SetPos(xsym, At(ds.ypos));
  page.Print("Local buckling:");
  const auto& texts = member == Member::Stiffener ? ds.stiffclass : ds.girdclass;
  for (int element : classes) {
    ds.ypos = ds.ypos + 1;
    page.SetPos(xsym, At(ds.ypos));
    page.PrintLine(texts[static_cast<std::size_t>(element)]);
  }
}

std::span<const DataRow> BoxRows(int type) {
  if (type == kTrapezProfile) return kTrapezRows;
  return kRHSRows;
}

// The block of a member's profile type; false for an unknown type.
bool PrintBlockFor(DesignState& ds, ReportPage& page, Member member, int type) {
  const bool stiff = member == Member::Stiffener;
  switch (type) {
    case kLTable:
    case kLBuiltUp:
    case kTTable:
    case kTBuiltUp:
    case kIBuiltUp:
      stiff ? PrintStiffenerProfileLTI(ds, page) : PrintRingProfileLTI(ds, page);
      return true;
    case kFlatbarTable:
    case kFlatbarBuiltUp:
      stiff ? PrintStiffenerProfileFb(ds, page) : PrintRingProfileFb(ds, page);
      return true;
    case kBulbFlat:
      stiff ? PrintStiffenerProfileBF(ds, page) : PrintRingProfileBF(ds, page);
      return true;
    case kRHS:
    case kTrapezProfile:
      stiff ? PrintStiffenerProfileBox(ds, page) : PrintRingProfileBox(ds, page);
      return true;
    default: return false;
  }
}

// Heading, type line, sketch and block of one member's section at x.
void PrintProfileSection(DesignState& ds, ReportPage& page, Member member, double x,
                         const char* heading, const std::string& suffix, double width,
                         double height) {
  const bool ringFrame = member == Member::Ring;
  const int type = ringFrame ? ds.ringtype : ds.stifftype;
  Heading(ds, page, x, heading);
  const double top = ds.ypos + 2;
  const std::optional<std::string> line =
      ringFrame ? ProfileTypeLine(ds, type, ds.hg, ds.bg, ds.twg, ds.tfg)
                : ProfileTypeLine(ds, type, ds.hs, ds.bs, ds.tws, ds.tfs);
  if (line) page.PrintLine(*line + suffix + (type == kLBuiltUp ? " (built-up)" : ""));
  // A profile type the program does not know (a damaged project file) has
  // no sketch and no data block.
  if (IsProfileType(type)) {
    const ProfileSketch sketch = SketchForProfile(ringFrame, type);
    page.PaintPicture(x, top, width, height, QString::fromLatin1(ProfileSketchName(sketch)),
                      [sketch](QPainter& p, const QRectF& r) { DrawProfileSketch(p, r, sketch); });
  }
  ds.ypos = ds.ytop;
  PrintBlockFor(ds, page, member, type);
}

}  // namespace

std::optional<std::string> ProfileTypeLine(const DesignState& ds, int type, const Variant& h,
                                           const Variant& b, const Variant& tw, float tf) {
  const std::string H = Format(ds, h, "00");
  const std::string B = Format(ds, b, "00");
  const std::string TW = Format(ds, tw, "0.0");
  const std::string TF = Format(ds, tf, "#0.0");
  switch (type) {
    case kLTable:
    case kLBuiltUp: return " L" + H + "x" + B + "x" + TW + "x" + TF;
    case kTTable:
    case kTBuiltUp: return " T" + H + "x" + B + "x" + TW + "x" + TF;
    case kFlatbarTable:
    case kFlatbarBuiltUp: return " Fb" + H + "x" + TW;
    case kBulbFlat: return " BF " + H + "x" + TW;
    case kRHS: return " RHS" + H + "x" + B + "x" + TW;
    case kTrapezProfile: return " Trapez " + H + "x" + B + "x" + TW;
    case kIBuiltUp: return " I" + H + "x" + B + "x" + TW + "x" + TF;
    default: return std::nullopt;
  }
}

double PrintProfileSections(DesignState& ds, ReportPage& page) {
  // Both pictures have the same size: 29 units wide, and high in the page's
  // proportion of the grid.
  const double width = (ds.xlab - ds.xhead) - 3;
  const double height =
      ToSingle(width * static_cast<double>(ds.rrows) / static_cast<double>(ds.rcols) / 1.41);
  double pictureHeight = 0;

  if (ds.cyltype == kStringerStiffened && ds.stiffnote == 1) {
    ds.xshift = 0;
    pictureHeight = height;
    PrintProfileSection(ds, page, Member::Stiffener, ds.xhead, "Stiffener Profile:", "", width,
                        height);
    ds.xshift = 60;
  } else {
    ds.xshift = 0;
  }

  if ((ds.cyltype == kRingStiffened || ds.cyltype == kStringerStiffened) && ds.ring == 1) {
    ds.ypos = ds.ytop;
    pictureHeight = height;
    const char* fabrication = ds.ringfab == kFabricated ? " (Fabricated)" : " (Cold-formed)";
    PrintProfileSection(ds, page, Member::Ring, ds.xhead + ds.xshift,
                        "Ringframe Profile:", fabrication, width, height);
  }
  return pictureHeight;
}

void PrintStiffenerProfileLTI(DesignState& ds, ReportPage& page) {
  PrintProfileBlock(ds, page, Member::Stiffener, kLTIRows, kStiffLTIClasses);
}
void PrintRingProfileLTI(DesignState& ds, ReportPage& page) {
  PrintProfileBlock(ds, page, Member::Ring, kLTIRows, kRingLTIClasses);
}
void PrintStiffenerProfileBox(DesignState& ds, ReportPage& page) {
  PrintProfileBlock(ds, page, Member::Stiffener, BoxRows(ds.stifftype), {});
}
void PrintRingProfileBox(DesignState& ds, ReportPage& page) {
  PrintProfileBlock(ds, page, Member::Ring, BoxRows(ds.ringtype), {});
}
void PrintStiffenerProfileFb(DesignState& ds, ReportPage& page) {
  PrintProfileBlock(ds, page, Member::Stiffener, kFlatbarRows, kFirstClass);
}
void PrintRingProfileFb(DesignState& ds, ReportPage& page) {
  PrintProfileBlock(ds, page, Member::Ring, kFlatbarRows, kFirstClass);
}
void PrintStiffenerProfileBF(DesignState& ds, ReportPage& page) {
  PrintProfileBlock(ds, page, Member::Stiffener, kBulbFlatRows, kFirstClass);
}
void PrintRingProfileBF(DesignState& ds, ReportPage& page) {
  PrintProfileBlock(ds, page, Member::Ring, kBulbFlatRows, kRingBulbClasses);
}

}  // namespace tamrel
