#include "report/print_report.h"

#include <QPainter>
#include <QPrinter>
#include <cmath>

#include "calc/numeric.h"
#include "report/report_page.h"
#include "report/report_parts.h"

namespace tamrel {

namespace {

// Twenty characters whose mean width stands for one average character.
constexpr const char* kMeasureText = "SmGasdfghjklpoiuytre";
constexpr const char* kReportFont = "arial";
constexpr double kHeaderPoints = 11;
constexpr double kBodyPoints = 8;

}  // namespace

double RoundHalfEven(double x) {
  const double r = std::round(x);  // halves away from zero
  if (std::abs(x - std::trunc(x)) == 0.5) return 2.0 * std::round(x / 2.0);
  return r;
}

void SetReportGrid(DesignState& ds) {
  ds.rrows = Variant::Int(88);
  ds.rcols = 136;
  ds.xmargin = Variant(13.6);
  ds.xhead = ds.xmargin;
  ds.xeq2 = ds.xhead + 6;
  ds.xval2 = ds.xeq2 + 12;
  ds.xmat = ds.xval2 + 12;
  ds.xlab = ds.xval2 + 12 + 2;
  ds.xeq = Sng(ds.xlab + 6);
  ds.xval = static_cast<double>(ds.xeq) + 12;
  ds.xrule = ds.xval + 12 - 1 + 6;
  ds.xpic = Sng(ds.xrule + 12);
  ds.xpicend = Sng(static_cast<double>(ds.xpic) + 12 + 6 + 12);
}

void PrintReportPage(DesignState& ds, ReportPage& page, const QDateTime& now) {
  // Measure the page at 11 points, in device units.
  page.SetFontName(QString::fromLatin1(kReportFont));
  page.SetFontSize(kHeaderPoints);
  ds.rfont = static_cast<float>(kHeaderPoints);
  page.SetDeviceScale();
  const double charWidth = page.TextWidth(kMeasureText);
  const double lineHeight = page.TextHeight("Tamrel DNV");
  const double cols11 = RoundHalfEven(static_cast<double>(page.PageWidth()) / charWidth * 20);
  const double rows11 = RoundHalfEven(static_cast<double>(page.PageHeight()) / lineHeight);
  if (!std::isfinite(cols11) || !std::isfinite(rows11) || cols11 < 1 || rows11 < 1) {
    throw ReportPageError("the page has no room for the report font");
  }

  // Header scale: one unit across is an average 11-point character, one
  // unit down an 11-point line.
  page.SetScale(cols11, rows11);
  ds.ypos = 2;
  const double left = RoundHalfEven(cols11 / 10);
  PrintReportHeader(ds, page, cols11, left, now);

  // Body scale: a fixed grid of rcols x rrows units over the page.
  page.SetFontName(QString::fromLatin1(kReportFont));
  page.SetFontSize(kBodyPoints);
  ds.rfont = static_cast<float>(kBodyPoints);
  SetReportGrid(ds);
  page.SetScale(ds.rcols, ds.rrows);
  ds.ypos = ds.ypos + 8;
  page.SetCurrentY(ds.ypos);
  ds.ytop = Sng(ds.ypos);

  PrintInputSummary(ds, page);
  const double pictureHeight = PrintProfileSections(ds, page);
  PrintResultSection(ds, page, pictureHeight);
}

void PrintReport(DesignState& ds, ReportHost& host) {
  // Printing reports nothing: a cancelled dialog and any failure up to the
  // end of the last copy end the command silently. A copy whose page fails
  // while it is drawn never reaches the printer (the page is drawn in full
  // before its document is begun); copies already ended stay printed.
  try {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("Tamrel DNV"));
    const std::optional<int> copies = host.PrinterDialog().ShowPrinter(host.ReportOwner(), printer);
    if (!copies) return;
    // One print document per copy, each of one page; a page range chosen
    // in the dialog is not used.
    printer.setCopyCount(1);
    DropPageRange(printer);
    for (int copy = 1; copy <= *copies; ++copy) {
      // Measured on the whole sheet, drawn over the printable area.
      ReportPage page(printer, printer.pageLayout().fullRectPixels(printer.resolution()).size());
      PrintReportPage(ds, page, host.ReportDateTime());
      QPainter painter;
      if (!painter.begin(&printer)) return;
      page.Replay(painter);
      if (!painter.end()) return;
      host.ReportCopyEnded(copy);
    }
  } catch (...) {  // NOLINT(bugprone-empty-catch): the command ends without a message
  }
}

void tamrel_mnuprint_Click(DesignState& ds, ReportHost& host) {
  PrintReport(ds, host);
}

}  // namespace tamrel
