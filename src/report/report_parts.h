#pragma once
// The parts of the report page, in the order PrintReportPage draws them.
// All of them work on the design state's report layout values (rfont,
// rrows, rcols, the column grid xmargin .. xpicend, xshift, ypos, ytop).

#include <QDateTime>
#include <optional>
#include <stdexcept>
#include <string>

#include "calc/checks.h"  // PanelCountsAsUnstiffened
#include "calc/design_state.h"
#include "platform/pictures.h"
#include "platform/profile_sketches.h"
#include "report/report_page.h"

namespace tamrel {

// The page cannot be laid out (a device without size or text metrics).
class ReportPageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The flag given to the result-table routines on the page: draw over what is
// there, never clear.
inline constexpr int kNoClear = 1;

// Nearest whole number, a half to the even neighbour.
double RoundHalfEven(double x);

// The body grid: rrows, rcols and the columns xmargin .. xpicend.
void SetReportGrid(DesignState& ds);

// The framed header, in the header scale (x in average 11-point characters,
// y in 11-point lines); left is the header's left edge L.
void PrintReportHeader(DesignState& ds, ReportPage& page, double cols11, double left,
                       const QDateTime& now);

// Design format, materials, geometry with the geometry sketch, loading, and
// the rules that close the input summary; leaves ypos = ytop below them.
void PrintInputSummary(DesignState& ds, ReportPage& page);

// The stiffener and ring-frame profile sections; returns the height of the
// profile pictures (0 when no section is printed).
double PrintProfileSections(DesignState& ds, ReportPage& page);

// The result tables of the cylinder type, below the profile pictures.
void PrintResultSection(DesignState& ds, ReportPage& page, double pictureHeight);

// The profile-data blocks: they print from ypos (the section's top) down
// beside the profile picture, their columns shifted by xshift.
void PrintStiffenerProfileLTI(DesignState& ds, ReportPage& page);
void PrintRingProfileLTI(DesignState& ds, ReportPage& page);
void PrintStiffenerProfileBox(DesignState& ds, ReportPage& page);
void PrintRingProfileBox(DesignState& ds, ReportPage& page);
void PrintStiffenerProfileFb(DesignState& ds, ReportPage& page);
void PrintRingProfileFb(DesignState& ds, ReportPage& page);
void PrintStiffenerProfileBF(DesignState& ds, ReportPage& page);
void PrintRingProfileBF(DesignState& ds, ReportPage& page);

// The type line after a profile section's heading (" L200x90x9.0x12.0" ...),
// nothing for an unknown profile type.
std::optional<std::string> ProfileTypeLine(const DesignState& ds, int type, const Variant& h,
                                           const Variant& b, const Variant& tw, float tf);

}  // namespace tamrel
