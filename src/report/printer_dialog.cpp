#include "report/printer_dialog.h"

#include <QLineEdit>
#include <QPageRanges>
#include <QPrintDialog>
#include <QPrintEngine>
#include <QPrinter>
#include <QVariant>

namespace tamrel {

namespace {

// The print-engine property under which Qt's CUPS support keeps the job
// options it sends to the print system, as name, value, name, value ...
constexpr auto kJobOptions = QPrintEngine::PrintEnginePropertyKey(0xfe00);
// The CUPS job option that prints only some pages.
constexpr const char* kPageRanges = "page-ranges";
// The box of Qt's print dialog that holds the file of its PDF output.
constexpr const char* kPdfFileBox = "filename";

}  // namespace

QStringList WithoutPageRange(const QStringList& jobOptions) {
  QStringList kept;
  for (qsizetype i = 0; i + 1 < jobOptions.size(); i += 2) {
    if (jobOptions[i] == QLatin1String(kPageRanges)) continue;
    kept << jobOptions[i] << jobOptions[i + 1];
  }
  return kept;
}

void DropPageRange(QPrinter& printer) {
  printer.setPrintRange(QPrinter::AllPages);
  printer.setPageRanges(QPageRanges());
  QPrintEngine* engine = printer.printEngine();
  if (engine == nullptr) return;
  const QVariant options = engine->property(kJobOptions);
  if (!options.isValid()) return;
  const QStringList all = options.toStringList();
  const QStringList kept = WithoutPageRange(all);
  if (kept != all) engine->setProperty(kJobOptions, kept);
}

std::optional<int> QtPrinterDialogService::ShowPrinter(QWidget* owner, QPrinter& printer,
                                                       const QString& pdfFile) {
  // The dialog shows the file of a printer that writes PDF already; for a
  // printer of the print system the file is put into the dialog's file box
  // (naming it on the printer would turn the printer into PDF output).
  if (printer.outputFormat() == QPrinter::PdfFormat && !pdfFile.isEmpty()) {
    printer.setOutputFileName(pdfFile);
  }
  QPrintDialog dialog(&printer, owner);
  dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
  dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
  auto* box = dialog.findChild<QLineEdit*>(QLatin1String(kPdfFileBox));
  if (box != nullptr && !pdfFile.isEmpty()) box->setText(pdfFile);
  // The report is always its one page: no range is offered. Qt's dialog
  // still offers one where the print system can select pages itself
  // (CUPS), and would hand it to the print system, which could leave the
  // page out: the range is dropped after the dialog.
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
  dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  DropPageRange(printer);
  return printer.copyCount();
}

}  // namespace tamrel
