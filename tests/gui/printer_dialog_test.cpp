// The desktop's print dialog as the Print command shows it: no selection,
// no print-to-file and no page range to choose; Cancel gives no copies, OK
// the copies asked for; a page range chosen all the same is not used.

#include <QApplication>
#include <QMap>
#include <QPageRanges>
#include <QPrintDialog>
#include <QPrintEngine>
#include <QPrinter>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include "gui_support.h"
#include "report/printer_dialog.h"

namespace tamrel {

namespace {

// A print engine that only keeps its properties: a printer of the print
// system, as far as its job options go.
class PropertyEngine : public QPrintEngine {
 public:
  QMap<int, QVariant> properties;
  bool newPage() override { return true; }
  bool abort() override { return true; }
  int metric(QPaintDevice::PaintDeviceMetric m) const override {
    return m == QPaintDevice::PdmDpiX || m == QPaintDevice::PdmDpiY ? 300 : 1000;
  }
  QPrinter::PrinterState printerState() const override { return QPrinter::Idle; }
  void setProperty(PrintEnginePropertyKey key, const QVariant& value) override {
    properties[key] = value;
  }
  QVariant property(PrintEnginePropertyKey key) const override { return properties.value(key); }
};

class SystemPrinter : public QPrinter {
 public:
  explicit SystemPrinter(PropertyEngine& engine) { setEngines(&engine, nullptr); }
};

// Where Qt's CUPS support keeps the job options of a printer.
constexpr auto kJobOptions = QPrintEngine::PrintEnginePropertyKey(0xfe00);

}  // namespace

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
      // Where the print system selects pages itself (CUPS), Qt's dialog
      // offers a range all the same: choose pages 2 to 3 where it does.
      auto* range = dialog->findChild<QRadioButton*>(QStringLiteral("printRange"));
      auto* from = dialog->findChild<QSpinBox*>(QStringLiteral("from"));
      auto* to = dialog->findChild<QSpinBox*>(QStringLiteral("to"));
      if (range != nullptr && from != nullptr && to != nullptr && range->isEnabled()) {
        range->setChecked(true);
        from->setValue(2);
        to->setValue(3);
      }
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
    // Whatever range was chosen, every page is printed.
    QCOMPARE(printer.printRange(), QPrinter::AllPages);
    QVERIFY(printer.pageRanges().isEmpty());
  }

  // The page range among the job options of the print system goes; every
  // other option stays, in its order.
  void jobOptionsLoseTheirPageRange_data() {
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QStringList>("kept");
    QTest::newRow("none") << QStringList() << QStringList();
    QTest::newRow("range only") << QStringList({"page-ranges", "2-3"}) << QStringList();
    QTest::newRow("among others") << QStringList(
                                         {"media", "A4", "page-ranges", "2", "sides", "one-sided"})
                                  << QStringList({"media", "A4", "sides", "one-sided"});
    QTest::newRow("no range") << QStringList({"page-set", "odd", "number-up", "2"})
                              << QStringList({"page-set", "odd", "number-up", "2"});
    // A value that reads like the option's name is a value, not a name.
    QTest::newRow("value named like it")
        << QStringList({"job-name", "page-ranges", "page-ranges", "1-2"})
        << QStringList({"job-name", "page-ranges"});
  }

  void jobOptionsLoseTheirPageRange() {
    QFETCH(QStringList, options);
    QFETCH(QStringList, kept);
    QCOMPARE(WithoutPageRange(options), kept);

    PropertyEngine engine;
    SystemPrinter printer(engine);
    printer.setPrintRange(QPrinter::PageRange);
    printer.setFromTo(2, 3);
    engine.setProperty(kJobOptions, options);
    DropPageRange(printer);
    QCOMPARE(printer.printRange(), QPrinter::AllPages);
    QCOMPARE(printer.fromPage(), 0);
    QCOMPARE(engine.property(kJobOptions).toStringList(), kept);
  }
};

TAMREL_GUI_TEST(PrinterDialogTest);

}  // namespace tamrel

#include "printer_dialog_test.moc"
