#pragma once
// Helpers of the report tests: a report host whose printer dialog prints to
// a PDF file at once (or is cancelled), the shipped-tables project, and the
// text of a printed PDF read back with poppler's pdftotext.

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QPageLayout>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

#include "calc/checks.h"
#include "calc/defaults.h"
#include "calc/design_state.h"
#include "files/table_loaders.h"
#include "report/print_report.h"

namespace tamrel::testing {

// A printer dialog that chooses a PDF file and a number of copies at once,
// or is cancelled.
class PdfPrinterDialog : public PrinterDialogService {
 public:
  QString path;
  int copies = 1;
  bool cancel = false;
  QPageLayout::Orientation orientation = QPageLayout::Portrait;
  QPageSize pageSize = QPageSize(QPageSize::A4);
  int shown = 0;

  std::optional<int> ShowPrinter(QWidget* /*owner*/, QPrinter& printer) override {
    ++shown;
    if (cancel) return std::nullopt;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageSize(pageSize);
    printer.setPageOrientation(orientation);
    return copies;
  }
};

// The main window as the report sees it: no owner widget, a fixed clock,
// and each ended copy's PDF moved aside as <path>.<copy>.pdf.
class FakeReportHost : public ReportHost {
 public:
  PdfPrinterDialog dialog;
  QDateTime now = QDateTime(QDate(2024, 3, 7), QTime(9, 5));
  QStringList ended;  // the PDF of each copy ended, in order
  std::function<void(int)> onCopyEnded;

  QWidget* ReportOwner() override { return nullptr; }
  PrinterDialogService& PrinterDialog() override { return dialog; }
  QDateTime ReportDateTime() override { return now; }
  void ReportCopyEnded(int copy) override {
    const QString kept = dialog.path + "." + QString::number(copy) + ".pdf";
    QFile::remove(kept);
    QFile::rename(dialog.path, kept);
    ended.push_back(kept);
    if (onCopyEnded) onCopyEnded(copy);
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

}  // namespace tamrel::testing
