// The printed calculation report: the Print command's dialog and copies,
// and the page's contents read back from the PDF it prints.

#include <QTest>

#include "calc/fake_window.h"
#include "gui_support.h"
#include "report_support.h"

namespace tamrel {

using testing::FakeReportHost;
using testing::OutputPath;
using testing::PdfText;

class ReportTest : public QObject {
  Q_OBJECT

 private slots:
  void defaultProjectPage() {
    DesignState ds = testing::ShippedProject();
    FakeReportHost host;
    host.dialog.path = OutputPath("report_default.pdf");
    PrintReport(ds, host);
    QCOMPARE(host.ended.size(), qsizetype(1));
    qInfo().noquote() << PdfText(host.ended[0]);
    QVERIFY(testing::RenderPng(host.ended[0], "report_default"));
  }
};

TAMREL_GUI_TEST(ReportTest);

}  // namespace tamrel

#include "report_test.moc"
