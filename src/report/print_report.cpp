#include "report/print_report.h"

#include <QBuffer>
#include <QDir>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <cmath>
#include <tuple>

#include "calc/numeric.h"
#include "report/pdf_copy_file.h"
#include "report/report_page.h"
#include "report/report_parts.h"

namespace tamrel {

namespace {

// Twenty characters whose mean width stands for one average character.
constexpr const char* kMeasureText = "SmGasdfghjklpoiuytre";
constexpr const char* kReportFont = "arial";
constexpr double kHeaderPoints = 11;
constexpr double kBodyPoints = 8;

// The report layout values of the design state.
auto Layout(DesignState& ds) {
  return std::tie(ds.ypos, ds.rfont, ds.rrows, ds.rcols, ds.xmargin, ds.xhead, ds.xeq2, ds.xval2,
                  ds.xmat, ds.xlab, ds.xeq, ds.xval, ds.xrule, ds.xpic, ds.xpicend, ds.xshift,
                  ds.ytop);
}

// A copy of those values, to be assigned back through Layout.
auto LayoutCopy(DesignState& ds) {
  return std::apply([](const auto&... v) { return std::make_tuple(v...); }, Layout(ds));
}

// Where the printer prints: the PDF file's path, or the printer's name.
std::string PrintTarget(const QPrinter* printer) {
  if (printer == nullptr) return {};
  const QString target = printer->outputFormat() == QPrinter::PdfFormat
                             ? QDir::toNativeSeparators(printer->outputFileName())
                             : printer->printerName();
  return target.toStdString();
}

// Draws the page in full first, so that a page whose drawing fails never
// reaches the device, then puts it on the device as one page. `paper` is
// the whole sheet in device pixels, which the page is measured on.
void PutPage(DesignState& ds, ReportHost& host, QPaintDevice& device, QSize paper,
             ReportPage::Colours colours = ReportPage::Colours::Colour) {
  ReportPage page(device, paper);
  PrintReportPage(ds, page, host.ReportDateTime());
  QPainter painter;
  if (!painter.begin(&device)) throw PrintFailure("the print cannot start");
  page.Replay(painter, colours);
  if (!painter.end()) throw PrintFailure("the print failed");
}

QSize Paper(const QPagedPaintDevice& device, int resolution) {
  return device.pageLayout().fullRectPixels(resolution).size();
}

// A copy printed as PDF: made in memory by a PDF writer of its own, set up
// as the print dialog left the printer (paper, orientation and margins,
// resolution, colour or grayscale, the document's title and creator), then
// its bytes are written to the file. Nothing of a copy that failed carries
// over to the next one.
void PrintPdfCopy(DesignState& ds, ReportHost& host, const QPrinter& printer) {
  const PdfCopyFile file(printer.outputFileName());
  QBuffer pdf;
  if (!pdf.open(QIODevice::WriteOnly)) throw PrintFailure("the print cannot start");
  {
    QPdfWriter writer(&pdf);
    writer.setPdfVersion(printer.pdfVersion());
    writer.setResolution(printer.resolution());
    if (!writer.setPageLayout(printer.pageLayout())) throw PrintFailure("the page cannot be set");
    writer.setTitle(printer.docName());
    writer.setCreator(printer.creator());
    PutPage(ds, host, writer, Paper(writer, writer.resolution()),
            printer.colorMode() == QPrinter::GrayScale ? ReportPage::Colours::Grey
                                                       : ReportPage::Colours::Colour);
  }
  file.Write(pdf.data(), host.ReportFileCalls());
}

// One copy, a print document of its own. Throws PrintFailure when the
// document cannot be begun, ended or written.
void PrintCopy(DesignState& ds, ReportHost& host, QPrinter& printer) {
  if (printer.outputFormat() == QPrinter::PdfFormat) {
    PrintPdfCopy(ds, host, printer);
    return;
  }
  // Measured on the whole sheet, drawn over the printable area.
  PutPage(ds, host, printer, Paper(printer, printer.resolution()));
  if (printer.printerState() == QPrinter::Error) throw PrintFailure("the print failed");
}

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
  RunPrinter& run = host.ReportPrinter();
  const auto layout = LayoutCopy(ds);  // as the command found it
  QPrinter* printer = nullptr;
  try {
    printer = &run.Printer();
    const std::optional<int> copies = host.PrinterDialog().ShowPrinter(
        host.ReportOwner(), *printer, run.OfferedPdfFile(ds.filename));
    if (!copies) return;
    if (printer->outputFormat() == QPrinter::PdfFormat) run.SetPdfFile(printer->outputFileName());
    // One print document per copy, each of one page; a page range chosen
    // in the dialog is not used.
    printer->setCopyCount(1);
    DropPageRange(*printer);
    for (int copy = 1; copy <= *copies; ++copy) {
      PrintCopy(ds, host, *printer);
      host.ReportCopyEnded(copy);
    }
  } catch (...) {
    // The copy being printed and any later one are not printed; copies
    // already ended stay printed. The report layout goes back to where the
    // command found it, so a failed print changes nothing in the project.
    Layout(ds) = layout;
    host.ShowExclamation(kCantPrint + PrintTarget(printer));
  }
}

void tamrel_mnuprint_Click(DesignState& ds, ReportHost& host) {
  PrintReport(ds, host);
}

}  // namespace tamrel
