#include "report/printer_dialog.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QLineEdit>
#include <QMetaObject>
#include <QPageRanges>
#include <QPrintDialog>
#include <QPrintEngine>
#include <QPrinter>
#include <QVariant>

#include "platform/message_service.h"
#include "report/pdf_output_name.h"

namespace tamrel {

namespace {

// The print-engine property under which Qt's CUPS support keeps the job
// options it sends to the print system, as name, value, name, value ...
constexpr auto kJobOptions = QPrintEngine::PrintEnginePropertyKey(0xfe00);
// The CUPS job option that prints only some pages.
constexpr const char* kPageRanges = "page-ranges";
// The box of Qt's print dialog that holds the file of its PDF output.
constexpr const char* kPdfFileBox = "filename";
// The slot of Qt's print dialog that its OK reaches through the button
// box: Qt's check of the dialog's fields (the file of the PDF output among
// them), which accepts the dialog where they pass.
constexpr const char* kQtCheck = "_q_checkFields";
constexpr const char* kQtCheckSignature = "_q_checkFields()";

MessageService& DesktopMessages() {
  static QtMessageService messages;
  return messages;
}

// Qt's print dialog, whose OK (the button, Return) looks at the file named
// for the PDF output before Qt's check runs. Qt runs that check on the
// button box's accepted signal and calls accept() only once it passed, so
// accept() comes too late: the dialog takes the button box's connection to
// the check over and runs the check itself after its own look. A dialog
// not wired that way is left as Qt made it.
class PdfNameCheckingDialog : public QPrintDialog {
 public:
  PdfNameCheckingDialog(QPrinter& printer, QWidget* owner, MessageService& messages)
      : QPrintDialog(&printer, owner), messages_(messages) {
    auto* buttons = findChild<QDialogButtonBox*>(QString(), Qt::FindDirectChildrenOnly);
    if (buttons == nullptr || metaObject()->indexOfSlot(kQtCheckSignature) < 0) return;
    if (!disconnect(buttons, &QDialogButtonBox::accepted, this, nullptr)) return;
    connect(buttons, &QDialogButtonBox::accepted, this, [this] { CheckThenAccept(); });
  }

  // Where the dialog set the printer to the file a link of the chosen name
  // leads to, the printer is given the chosen name back: the link is
  // followed again when the PDF is written, and the name is offered again
  // as it was chosen.
  void KeepChosenName(QPrinter& printer) const {
    if (!linkedFile_.isEmpty() && printer.outputFileName() == linkedFile_) {
      printer.setOutputFileName(chosen_);
    }
  }

 private:
  void CheckThenAccept() {
    auto* box = findChild<QLineEdit*>(QLatin1String(kPdfFileBox));
    // The box takes input only while the PDF output is chosen.
    if (box == nullptr || !box->isEnabled()) {
      QMetaObject::invokeMethod(this, kQtCheck);
      return;
    }
    const QString chosen = box->text();
    const std::optional<QString> file = PdfOutputFile(chosen);
    if (!file) {
      messages_.ShowExclamation(this,
                                QString::fromLatin1(kCantPrint) + QDir::toNativeSeparators(chosen));
      return;
    }
    chosen_ = chosen;
    linkedFile_ = *file == chosen ? QString() : *file;
    box->setText(*file);
    QMetaObject::invokeMethod(this, kQtCheck);
    // Still open (Qt refused the file, or the question whether to replace
    // it was answered No): the box shows the name as it was typed.
    if (isVisible()) box->setText(chosen);
  }

  MessageService& messages_;
  QString chosen_;      // the name in the box at the last OK
  QString linkedFile_;  // the file its links lead to; empty: no link
};

}  // namespace

QtPrinterDialogService::QtPrinterDialogService() : messages_(DesktopMessages()) {}

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
  PdfNameCheckingDialog dialog(printer, owner, messages_);
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
  dialog.KeepChosenName(printer);
  DropPageRange(printer);
  return printer.copyCount();
}

}  // namespace tamrel
