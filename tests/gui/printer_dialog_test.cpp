// Qt's print dialog as the Print command shows it: the printers and Qt's
// PDF output with the file offered, the PDF output chosen where no printer
// is installed; no selection and no page range to choose; Cancel gives no
// copies, OK the copies asked for; a page range chosen all the same is not
// used. And the Print command through the dialog as a user answers it.

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QMap>
#include <QMessageBox>
#include <QPageRanges>
#include <QPrintDialog>
#include <QPrintEngine>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

#include "gui_support.h"
#include "report/printer_dialog.h"
#include "report_support.h"

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

// The entry of Qt's PDF output in the dialog's list of printers.
constexpr const char* kPdfOutput = "Print to File (PDF)";

// What the print dialog showed when it opened.
struct DialogSeen {
  bool shown = false;
  QStringList printers;  // the entries of its list of printers
  QString current;       // the entry chosen
  QString file;          // the file of the PDF output
};

// Answers the print dialog once it is open, as a user would, and refuses
// any other modal window (a question, a warning), so that nothing blocks
// the test. `answer` gets the dialog and what it showed.
class DialogAnswerer {
 public:
  explicit DialogAnswerer(std::function<void(QPrintDialog&, DialogSeen&)> answer)
      : answer_(std::move(answer)) {
    QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] { Poll(); });
    timer_.start(20);
  }
  DialogSeen seen;
  QStringList refused;  // texts of other modal windows closed

 private:
  void Poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr) return;
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
      refused.push_back(box->text());
      box->reject();
      return;
    }
    auto* dialog = qobject_cast<QPrintDialog*>(modal);
    if (dialog == nullptr) return;
    if (seen.shown) {
      // Answered, and still open a while later: the answer did not close
      // it. Cancel it rather than wait for ever.
      if (++pollsSinceAnswer_ > kPatience) {
        refused.push_back(QStringLiteral("the print dialog stayed open"));
        dialog->reject();
      }
      return;
    }
    seen.shown = true;
    if (auto* list = dialog->findChild<QComboBox*>(QStringLiteral("printers"))) {
      for (int i = 0; i < list->count(); ++i) seen.printers.push_back(list->itemText(i));
      seen.current = list->currentText();
    }
    if (auto* box = dialog->findChild<QLineEdit*>(QStringLiteral("filename"))) {
      seen.file = box->text();
    }
    answer_(*dialog, seen);
  }
  static constexpr int kPatience = 100;  // polls of 20 ms
  std::function<void(QPrintDialog&, DialogSeen&)> answer_;
  int pollsSinceAnswer_ = 0;
  QTimer timer_;
};

// Chooses Qt's PDF output (already chosen where no printer is installed:
// never a printer of the print system from a test) and presses Return.
void PrintToPdfWithReturn(QPrintDialog& dialog, DialogSeen& /*seen*/) {
  if (auto* list = dialog.findChild<QComboBox*>(QStringLiteral("printers"))) {
    list->setCurrentIndex(list->findText(kPdfOutput));
  }
  QTest::keyClick(&dialog, Qt::Key_Return);
}

// The report host of the tests with Qt's print dialog.
class QtDialogReportHost : public testing::FakeReportHost {
 public:
  QtPrinterDialogService qtDialog;
  PrinterDialogService& PrinterDialog() override { return qtDialog; }
};

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
    QCOMPARE(service.ShowPrinter(nullptr, printer, QString()), std::optional<int>());
    QVERIFY(!offersSelection);
    QVERIFY(offersFile);
    QVERIFY(!offersRange);
  }

  void okGivesTheCopiesAskedFor() {
    QtPrinterDialogService service;
    QPrinter printer(QPrinter::HighResolution);
    printer.setCopyCount(2);
    QTemporaryDir dir;
    AnswerDialog(true);
    const std::optional<int> copies =
        service.ShowPrinter(nullptr, printer, dir.filePath("report.pdf"));
    QVERIFY(copies.has_value());
    QCOMPARE(*copies, 2);  // as the dialog showed them
    // Whatever range was chosen, every page is printed.
    QCOMPARE(printer.printRange(), QPrinter::AllPages);
    QVERIFY(printer.pageRanges().isEmpty());
  }

  // The dialog lists Qt's PDF output after the printers with the file
  // offered; where no printer is installed it is the one chosen, so that
  // Return writes that file. The printer given keeps what was chosen.
  void pdfOutputIsOfferedWithItsFile() {
    QtPrinterDialogService service;
    testing::FakeReportHost host;  // for its printer of the run
    QPrinter& printer = host.printer.Printer();
    QTemporaryDir dir;
    const QString file = dir.filePath("Tank A.pdf");
    const bool noPrinter = QPrinterInfo::availablePrinterNames().isEmpty();
    if (noPrinter) QCOMPARE(printer.outputFormat(), QPrinter::PdfFormat);
    DialogAnswerer answer(PrintToPdfWithReturn);
    QCOMPARE(service.ShowPrinter(nullptr, printer, file), std::optional<int>(1));
    QVERIFY(answer.seen.shown);
    QVERIFY2(answer.refused.isEmpty(), qPrintable(answer.refused.join(" | ")));
    QVERIFY(!answer.seen.printers.isEmpty());
    QCOMPARE(answer.seen.printers.last(), QString(kPdfOutput));
    QCOMPARE(answer.seen.printers.count(kPdfOutput), qsizetype(1));
    if (noPrinter) QCOMPARE(answer.seen.current, QString(kPdfOutput));
    QCOMPARE(answer.seen.file, file);
    QCOMPARE(printer.outputFormat(), QPrinter::PdfFormat);
    QCOMPARE(printer.outputFileName(), file);
  }

  // Print through Qt's dialog as a user: the dialog opens on the PDF
  // output and the project's own name with ".pdf", Return writes the
  // report there. The next Print offers the same again; Escape then
  // prints nothing and says nothing.
  void printCommandThroughTheDialog() {
    DesignState ds = testing::ShippedProject();
    QTemporaryDir dir;
    ds.filename = dir.filePath("tank.tmr").toStdString();
    QtDialogReportHost host;
    host.keepPdf = true;
    const QString pdf = dir.filePath("tank.pdf");
    const bool noPrinter = QPrinterInfo::availablePrinterNames().isEmpty();
    {
      bool pictured = false;
      DialogAnswerer answer([&pictured](QPrintDialog& dialog, DialogSeen& seen) {
        pictured = dialog.grab().save(testing::OutputPath("print_dialog.png"));
        PrintToPdfWithReturn(dialog, seen);
      });
      PrintReport(ds, host);
      QVERIFY(answer.seen.shown);
      QVERIFY(pictured);
      QVERIFY2(answer.refused.isEmpty(), qPrintable(answer.refused.join(" | ")));
      if (noPrinter) QCOMPARE(answer.seen.current, QString(kPdfOutput));
      QCOMPARE(answer.seen.file, pdf);
    }
    QVERIFY(host.messages.isEmpty());
    QCOMPARE(host.ended, QStringList({pdf}));
    QCOMPARE(testing::PdfPages(pdf), 1);
    const QString text = testing::PdfText(pdf);
    QVERIFY(text.contains("Tamrel DNV") && text.contains("1/1") && text.contains("Shell Buckling"));
    QVERIFY(testing::RenderPng(pdf, "print_dialog_report"));

    ds.filename = dir.filePath("other.tmr").toStdString();
    DialogAnswerer again(
        [](QPrintDialog& dialog, DialogSeen&) { QTest::keyClick(&dialog, Qt::Key_Escape); });
    PrintReport(ds, host);
    QVERIFY(again.seen.shown);
    QVERIFY2(again.refused.isEmpty(), qPrintable(again.refused.join(" | ")));
    QCOMPARE(again.seen.current, QString(kPdfOutput));
    QCOMPARE(again.seen.file, pdf);
    QVERIFY(host.messages.isEmpty());
    QCOMPARE(host.ended.size(), qsizetype(1));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList({"tank.pdf"}));
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
