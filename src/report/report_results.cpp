// The result section of the report: the result tables of the last
// recalculation, drawn by the calculation core's own routines on the page,
// without clearing. The shell table stands at the left margin; the
// stiffener table (or the note of an unstiffened panel) level with it at
// xval; the ring-frame or column table below, at the left margin.

#include "calc/numeric.h"
#include "calc/result_tables.h"
#include "report/report_common.h"
#include "report/report_parts.h"

namespace tamrel {

void PrintResultSection(DesignState& ds, ReportPage& page, double pictureHeight) {
  const bool profiles = (ds.cyltype == kRingStiffened && ds.ring == 1) ||
                        (ds.cyltype == kStringerStiffened && (ds.ring == 1 || ds.stiffnote == 1));
  if (profiles) {
    // 1.5 below the profile pictures, whatever the length of the blocks.
    ds.ypos =
        (static_cast<double>(ds.ytop) + 3.5) + pictureHeight / static_cast<double>(ds.rrows) * 88;
    SectionEndRule(ds, page);
    ds.ypos = ds.ypos + 1;
  }
  ds.ytop = Sng(ds.ypos);

  PrintShellResults(ds, page, ds.ypos, ds.xmargin, kNoClear);
  switch (ds.cyltype) {
    case kRingStiffened:
      if (ds.ring == 1) {
        double y = ds.ypos + 2;
        PrintRingResults(ds, page, y, ds.xmargin, kNoClear);
      }
      break;
    case kStringerStiffened: {
      if (ds.stiffnote == 1) {
        ds.ypos = ds.ytop;
        if (PanelCountsAsUnstiffened(ds)) {
          PrintUnstiffenedNote(ds, page, ds.ypos, ds.xval, kNoClear);
          ds.ypos = ds.ypos + 9;
        } else {
          PrintStiffenerResults(ds, page, ds.ypos, ds.xval, kNoClear);
        }
      }
      if (ds.ring == 1) {
        double y = ds.ypos + 2;
        PrintRingResults(ds, page, y, ds.xmargin, kNoClear);
      }
      break;
    }
    case kColumnBuckling: {
      double y = ds.ypos + 2;
      PrintColumnResults(ds, page, y, ds.xmargin, kNoClear);
      break;
    }
    default: break;
  }
}

}  // namespace tamrel
