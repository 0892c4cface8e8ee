#pragma once
// Helpers of the report tests: a report host whose printer dialog prints to
// a PDF file at once (or is cancelled), the shipped-tables project, and the
// text of a printed PDF read back with poppler's pdftotext.

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFontMetricsF>
#include <QImage>
#include <QPageLayout>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <cstdlib>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "calc/checks.h"
#include "calc/defaults.h"
#include "calc/design_state.h"
#include "files/table_loaders.h"
#include "report/print_report.h"
#include "report/report_page.h"

namespace tamrel::testing {

// A printer dialog that chooses Qt's PDF output to a file, paper,
// orientation and a number of copies at once, or is cancelled. It keeps
// what each showing offered.
class PdfPrinterDialog : public PrinterDialogService {
 public:
  // The file chosen; empty: the file the dialog offered.
  QString path;
  int copies = 1;
  bool cancel = false;
  // Print as offered: nothing chosen but the number of copies (Print or
  // Return pressed at once).
  bool asOffered = false;
  QPageLayout::Orientation orientation = QPageLayout::Portrait;
  QPageSize pageSize = QPageSize(QPageSize::A4);
  QPrinter::ColorMode colorMode = QPrinter::Color;
  // A page range chosen in the dialog: from, to.
  std::optional<std::pair<int, int>> pageRange;
  int shown = 0;

  // What a showing offered: the printer as it came and the PDF file.
  struct Offer {
    QPrinter* printer = nullptr;
    QPrinter::OutputFormat format = QPrinter::NativeFormat;
    QString printerName;
    QString printerFile;
    QString pdfFile;
    QPageSize pageSize;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
  };
  std::vector<Offer> offers;

  std::optional<int> ShowPrinter(QWidget* /*owner*/, QPrinter& printer,
                                 const QString& pdfFile) override {
    ++shown;
    offers.push_back({&printer, printer.outputFormat(), printer.printerName(),
                      printer.outputFileName(), pdfFile, printer.pageLayout().pageSize(),
                      printer.pageLayout().orientation()});
    if (cancel) return std::nullopt;
    if (asOffered) {
      // Never a printer of the print system from a test.
      if (printer.outputFormat() != QPrinter::PdfFormat) return std::nullopt;
      return copies;
    }
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path.isEmpty() ? pdfFile : path);
    printer.setPageSize(pageSize);
    printer.setPageOrientation(orientation);
    printer.setColorMode(colorMode);
    if (pageRange) {
      printer.setPrintRange(QPrinter::PageRange);
      printer.setFromTo(pageRange->first, pageRange->second);
    }
    return copies;
  }
};

// The main window as the report sees it: no owner widget, a fixed clock,
// the messages it was asked to show, and each ended copy's PDF moved aside
// as <path>.<copy>.pdf (kept where it is with keepPdf). A PDF file is
// written through fileCalls where set, else through the system's calls.
class FakeReportHost : public ReportHost {
 public:
  PdfPrinterDialog dialog;
  RunPrinter printer;
  QDateTime now = QDateTime(QDate(2024, 3, 7), QTime(9, 5));
  QStringList ended;  // the PDF of each copy ended, in order
  QStringList messages;
  bool keepPdf = false;
  std::function<void(int)> onCopyEnded;
  FileReplaceCalls* fileCalls = nullptr;

  QWidget* ReportOwner() override { return nullptr; }
  PrinterDialogService& PrinterDialog() override { return dialog; }
  RunPrinter& ReportPrinter() override { return printer; }
  void ShowExclamation(const std::string& text) override {
    messages.push_back(QString::fromStdString(text));
  }
  QDateTime ReportDateTime() override { return now; }
  void ReportCopyEnded(int copy) override {
    const QString pdf = printer.Printer().outputFileName();
    if (keepPdf) {
      ended.push_back(pdf);
    } else {
      const QString kept = pdf + "." + QString::number(copy) + ".pdf";
      QFile::remove(kept);
      QFile::rename(pdf, kept);
      ended.push_back(kept);
    }
    if (onCopyEnded) onCopyEnded(copy);
  }
  FileReplaceCalls& ReportFileCalls() override {
    return fileCalls != nullptr ? *fileCalls : SystemFileReplaceCalls();
  }
};

// The new-project defaults with the shipped data tables, recalculated.
inline DesignState ShippedProject() {
  DesignState ds;
  ds.apppath = TAMREL_DATA_DIR;
  SetDefaults(ds);
  LoadAllTables(ds);
  Recalculate(ds);
  return ds;
}

// A file in the build folder's screenshots directory.
inline QString OutputPath(const QString& name) {
  return QDir(TAMREL_SCREENSHOT_DIR).filePath(name);
}

// Runs a poppler tool; its standard output, or nothing when it failed.
inline std::optional<QString> RunTool(const QString& tool, const QStringList& args) {
  QProcess p;
  p.start(tool, args);
  if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
    return std::nullopt;
  }
  return QString::fromUtf8(p.readAllStandardOutput());
}

// The text of a PDF laid out as on the page, every run of blanks made one
// blank, line by line.
inline QStringList PdfLines(const QString& pdf) {
  const QString text = RunTool("pdftotext", {"-layout", pdf, "-"}).value_or(QString());
  QStringList lines;
  static const QRegularExpression blanks("[ \\t]+");
  for (QString line : text.split('\n')) {
    line = line.replace(blanks, " ").trimmed();
    if (!line.isEmpty()) lines.push_back(line);
  }
  return lines;
}

inline QString PdfText(const QString& pdf) {
  return PdfLines(pdf).join('\n');
}

inline int PdfPages(const QString& pdf) {
  const QString info = RunTool("pdfinfo", {pdf}).value_or(QString());
  static const QRegularExpression pages("Pages:\\s+(\\d+)");
  const auto m = pages.match(info);
  return m.hasMatch() ? m.captured(1).toInt() : -1;
}

}  // namespace tamrel::testing

namespace tamrel::testing {

// The first page of a PDF as a PNG beside it in the screenshots folder
// (name without extension); false when pdftoppm failed.
inline bool RenderPng(const QString& pdf, const QString& name, int dpi = 110) {
  return RunTool("pdftoppm",
                 {"-r", QString::number(dpi), "-png", "-singlefile", pdf, OutputPath(name)})
      .has_value();
}

// The pixels of `grey` that are not grey, or whose grey is more than
// `tolerance` off the grey of the pixel of `colour` at the same place (both
// of the same size); -1 when the sizes differ.
inline int PixelsNotTheirGrey(const QImage& colour, const QImage& grey, int tolerance = 3) {
  if (colour.size() != grey.size()) return -1;
  const QImage c = colour.convertToFormat(QImage::Format_RGB32);
  const QImage g = grey.convertToFormat(QImage::Format_RGB32);
  int wrong = 0;
  for (int y = 0; y < c.height(); ++y) {
    const auto* cs = reinterpret_cast<const QRgb*>(c.constScanLine(y));
    const auto* gs = reinterpret_cast<const QRgb*>(g.constScanLine(y));
    for (int x = 0; x < c.width(); ++x) {
      const int level = qRed(gs[x]);
      if (qGreen(gs[x]) != level || qBlue(gs[x]) != level ||
          std::abs(level - qGray(cs[x])) > tolerance) {
        ++wrong;
      }
    }
  }
  return wrong;
}

}  // namespace tamrel::testing

namespace tamrel::testing {

// All blanks removed: pdftotext spaces words by their distance, so rows
// are compared without blanks.
inline QString Squeezed(const QString& text) {
  static const QRegularExpression blanks("\\s+");
  return QString(text).remove(blanks);
}

// Prints the project through the Print command to a PDF in the screenshots
// folder and returns the PDF of its one copy (empty when none was ended).
inline QString PrintToPdf(DesignState& ds, const QString& name) {
  FakeReportHost host;
  host.dialog.path = OutputPath(name + ".pdf");
  PrintReport(ds, host);
  return host.ended.size() == 1 ? host.ended[0] : QString();
}

// The report page of a project drawn for a PDF printer (with its metrics)
// and not printed: its items show where everything stands.
class DrawnPage {
 public:
  explicit DrawnPage(DesignState& ds, QPageLayout::Orientation orientation = QPageLayout::Portrait,
                     const QDateTime& now = QDateTime(QDate(2024, 3, 7), QTime(9, 5)))
      : printer_(QPrinter::HighResolution) {
    printer_.setOutputFormat(QPrinter::PdfFormat);
    printer_.setOutputFileName(OutputPath("unprinted.pdf"));
    printer_.setPageSize(QPageSize(QPageSize::A4));
    printer_.setPageOrientation(orientation);
    page_ = std::make_unique<ReportPage>(
        printer_, printer_.pageLayout().fullRectPixels(printer_.resolution()).size());
    PrintReportPage(ds, *page_, now);
  }

  const ReportPage& page() const { return *page_; }
  const std::vector<ReportPage::Item>& items() const { return page_->Items(); }

  // The first text item whose text is `text` (nullptr when none).
  const ReportPage::Item* Text(const QString& text, int occurrence = 0) const {
    for (const auto& item : items()) {
      if (item.kind == ReportPage::Item::Kind::Text && item.text == text && occurrence-- == 0) {
        return &item;
      }
    }
    return nullptr;
  }
  // The first text item that starts with `prefix`.
  const ReportPage::Item* TextStarting(const QString& prefix) const {
    for (const auto& item : items()) {
      if (item.kind == ReportPage::Item::Kind::Text && item.text.startsWith(prefix)) return &item;
    }
    return nullptr;
  }
  std::vector<const ReportPage::Item*> OfKind(ReportPage::Item::Kind kind) const {
    std::vector<const ReportPage::Item*> out;
    for (const auto& item : items()) {
      if (item.kind == kind) out.push_back(&item);
    }
    return out;
  }
  bool HasText(const QString& text) const { return Text(text) != nullptr; }
  // Lines (not boxes) of the page.
  std::vector<const ReportPage::Item*> Lines() const {
    return OfKind(ReportPage::Item::Kind::Line);
  }
  std::vector<const ReportPage::Item*> Pictures() const {
    return OfKind(ReportPage::Item::Kind::Picture);
  }
  // Width of a text in an item's font, in the body scale the page ends in.
  double BodyWidth(const ReportPage::Item& item, const QString& text) {
    return QFontMetricsF(item.font, &printer_).horizontalAdvance(text) / page_->DevicePerUnitX();
  }
  QPrinter& printer() { return printer_; }

 private:
  QPrinter printer_;
  std::unique_ptr<ReportPage> page_;
};

}  // namespace tamrel::testing
