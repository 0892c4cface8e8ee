// The desktop's print dialog as the Print command shows it: no selection,
// no print-to-file and no page range to choose; Cancel gives no copies, OK
// the copies asked for.

#include <QApplication>
#include <QPrintDialog>
#include <QPrinter>
#include <QTest>
#include <QTimer>

#include "gui_support.h"
#include "report/printer_dialog.h"

namespace tamrel {

class PrinterDialogTest : public QObject {
  Q_OBJECT

  // Answers the dialog once it is open, after checking what it offers.
  void AnswerDialog(bool accept) {
    QTimer::singleShot(0, this, [this, accept] {
      auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
      if (dialog == nullptr) {
        AnswerDialog(accept);  // not open yet
        return;
      }
      offersSelection = dialog->testOption(QAbstractPrintDialog::PrintSelection);
      offersFile = dialog->testOption(QAbstractPrintDialog::PrintToFile);
      offersRange = dialog->testOption(QAbstractPrintDialog::PrintPageRange);
      accept ? dialog->accept() : dialog->reject();
    });
  }

  bool offersSelection = true, offersFile = true, offersRange = true;

 private slots:
  void cancelGivesNoCopies() {
    QtPrinterDialogService service;
    QPrinter printer(QPrinter::HighResolution);
    AnswerDialog(false);
    QCOMPARE(service.ShowPrinter(nullptr, printer), std::optional<int>());
    QVERIFY(!offersSelection);
    QVERIFY(!offersFile);
    QVERIFY(!offersRange);
  }

  void okGivesTheCopiesAskedFor() {
    QtPrinterDialogService service;
    QPrinter printer(QPrinter::HighResolution);
    printer.setCopyCount(2);
    AnswerDialog(true);
    const std::optional<int> copies = service.ShowPrinter(nullptr, printer);
    QVERIFY(copies.has_value());
    QCOMPARE(*copies, 2);  // as the dialog showed them
  }
};

TAMREL_GUI_TEST(PrinterDialogTest);

}  // namespace tamrel

#include "printer_dialog_test.moc"
