// The Print command and the printed page: the printer dialog, one print
// document per copy, silence on cancel and on failure, and the page's
// contents read back from the PDF it prints.

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cerrno>
#include <climits>
#include <csignal>
#include <map>
#include <optional>
#include <stdexcept>

#include "calc/fake_window.h"
#include "calc/format.h"
#include "files/child_process.h"
#include "files/file_attributes.h"
#include "files/project_file.h"
#include "gui_support.h"
#include "report/pdf_copy_file.h"
#include "report_support.h"

namespace tamrel {

using testing::FakeReportHost;
using testing::OutputPath;
using testing::PdfText;
using testing::PrintToPdf;
using testing::Squeezed;

namespace {

// Every drawn row of a result table, label, value and unit run together.
QStringList TableRows(const ResultTable& t) {
  QStringList rows;
  for (int i = 0; i <= t.last; ++i) {
    const auto k = static_cast<std::size_t>(i);
    const QString row = Squeezed(QString::fromStdString(t.txt[k] + t.val[k] + t.unit[k]));
    if (!row.isEmpty()) rows.push_back(row);
  }
  return rows;
}

// The rows (blanks removed) that the squeezed page text lacks.
QStringList Missing(const QString& pdf, const QStringList& rows) {
  const QString text = Squeezed(PdfText(pdf));
  QStringList missing;
  for (const QString& row : rows) {
    if (!text.contains(Squeezed(row))) missing.push_back(row);
  }
  return missing;
}

#define VERIFY_ALL_PRINTED(pdf, rows)                               \
  do {                                                              \
    const QStringList missing_ = Missing(pdf, rows);                \
    QVERIFY2(missing_.isEmpty(), qPrintable(missing_.join(" | "))); \
  } while (0)

#define VERIFY_NONE_PRINTED(pdf, rows)                                       \
  do {                                                                       \
    const QStringList rows_ = rows;                                          \
    const QStringList missing_ = Missing(pdf, rows_);                        \
    QVERIFY2(missing_.size() == rows_.size(),                                \
             qPrintable("printed but should not be: " + rows_.join(" | "))); \
  } while (0)

// A window whose check_ih change fails on its n-th call: a failure in the
// middle of drawing a page (the ring-frame table sets check_ih).
class FailingWindow : public testing::FakeWindow {
 public:
  int failOnCall = 0;
  int calls = 0;
  void SetCheckIhVisible(bool v) override {
    if (++calls == failOnCall) throw std::runtime_error("window gone");
    FakeWindow::SetCheckIhVisible(v);
  }
};

// Everything in a folder, hidden names included (a temporary file's name
// begins with a dot).
QStringList Entries(const QString& folder) {
  return QDir(folder).entryList(QDir::AllEntries | QDir::System | QDir::Hidden |
                                QDir::NoDotAndDotDot);
}

ino_t InodeOf(const QString& path) {
  struct stat st {};
  return ::lstat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_ino : 0;
}

QByteArray FileBytes(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return {};
  return f.readAll();
}

QByteArray ProjectFileBytes(DesignState& ds, const QString& path) {
  Window* w = ds.mainfrm;
  ds.mainfrm = nullptr;
  const std::string filename = ds.filename;
  WriteProjectFile(ds, path.toStdString());
  ds.filename = filename;
  ds.mainfrm = w;
  return FileBytes(path);
}

// The system's file calls, of which one step fails at its n-th call:
// with `error` as errno, or (error 0) a write that takes nothing; writes
// take at most writeLimit bytes each where that is not 0. Create is an
// open that makes a new file.
class FaultyFileCalls : public FileReplaceCalls {
 public:
  enum class Step { None, Create, Write, Sync, Close, Rename, SyncFolder };
  Step failing = Step::None;
  int failAt = 1;
  int error = EIO;
  std::size_t writeLimit = 0;
  int writes = 0;

  int Open(const std::string& path, int flags, mode_t mode) override {
    if ((flags & O_CREAT) != 0 && Fails(Step::Create)) return -1;
    return FileReplaceCalls::Open(path, flags, mode);
  }
  ssize_t Write(int fd, const char* data, std::size_t size) override {
    ++writes;
    if (Fails(Step::Write)) return error == 0 ? 0 : -1;
    return FileReplaceCalls::Write(fd, data, writeLimit == 0 ? size : std::min(size, writeLimit));
  }
  int Sync(int fd) override { return Fails(Step::Sync) ? -1 : FileReplaceCalls::Sync(fd); }
  int Close(int fd) override {
    const int closed = FileReplaceCalls::Close(fd);  // as NFS: closed, yet a late write error
    return Fails(Step::Close) ? -1 : closed;
  }
  int Rename(const std::string& from, const std::string& to) override {
    return Fails(Step::Rename) ? -1 : FileReplaceCalls::Rename(from, to);
  }
  int SyncFolder(const std::string& folder) override {
    return Fails(Step::SyncFolder) ? -1 : FileReplaceCalls::SyncFolder(folder);
  }

 private:
  std::map<Step, int> calls_;
  bool Fails(Step step) {
    if (step != failing || ++calls_[step] != failAt) return false;
    errno = error;
    return true;
  }
};

// Set in a child run of this test program, which prints under a file-size
// limit into the folder it names.
constexpr const char* kUnderLimitFolder = "TAMREL_PRINT_UNDER_LIMIT";
// Far below the size of the report's PDF.
constexpr rlim_t kFileSizeLimit = 8192;

}  // namespace

class ReportCommandTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    for (const char* tool : {"pdftotext", "pdfinfo", "pdftoppm"}) {
      QVERIFY2(!QStandardPaths::findExecutable(tool).isEmpty(),
               "poppler-utils are needed: scripts/install-deps.sh installs them");
    }
  }

  void menuCommandPrintsOneDocumentOfOnePage() {
    DesignState ds = testing::ShippedProject();
    FakeReportHost host;
    host.dialog.path = OutputPath("report_menu.pdf");
    tamrel_mnuprint_Click(ds, host);
    QCOMPARE(host.dialog.shown, 1);
    QCOMPARE(host.ended, QStringList({host.dialog.path + ".1.pdf"}));
    QCOMPARE(testing::PdfPages(host.ended[0]), 1);
  }

  // Qt's PDF output with the file the dialog offers: for a saved project
  // its own path with ".pdf" in place of ".tmr". The file holds the one
  // page: the header, the input summary and every usage-factor row.
  void pdfOutputWritesTheOfferedFile() {
    DesignState ds = testing::ShippedProject();
    QTemporaryDir dir;
    ds.filename = dir.filePath("Tank A.tmr").toStdString();
    ds.proj = "North tank";
    ds.ident = "Rev 2";
    FakeReportHost host;
    host.keepPdf = true;
    PrintReport(ds, host);
    const QString pdf = dir.filePath("Tank A.pdf");
    QCOMPARE(host.dialog.offers.size(), size_t(1));
    QCOMPARE(host.dialog.offers[0].pdfFile, pdf);
    QCOMPARE(host.ended, QStringList({pdf}));
    QVERIFY(host.messages.isEmpty());
    QCOMPARE(testing::PdfPages(pdf), 1);
    const QString date = QLocale().toString(QDate(2024, 3, 7), QLocale::ShortFormat);
    VERIFY_ALL_PRINTED(pdf, QStringList({
                                "Tamrel DNV",
                                "Cylinder shell buckling based on DNV-RP-C202",
                                "Project: North tank",
                                "Identification: Rev 2",
                                "Page:",
                                "1/1",
                                "Date: " + date,
                                "Time: 9:5",
                                "File: " + dir.filePath("tank a.tmr").toLower(),
                                "Design Condition: LRDF meth.od",
                                "Allowable Usage Factor: UF = 1.00",
                                "Plate: S355 fy = 345 MPa",
                                "Cylinder radius (cL plate) r = 3333 mm",
                                "Stiff spacing: s = 600 mm",
                                "Sigx = -100.0 MPa",
                                "pd = -0.300 MPa (positive = inside pressure)",
                                "Stiffener Profile: L100x50x6.0x6.0",
                                "Ringframe Profile: T95x200x6.5x10.0 (Fabricated)",
                            }));
    // The usage-factor rows of the shell, stiffener and ring-frame tables.
    VERIFY_ALL_PRINTED(pdf, QStringList({"UF = SigjSd/fksd = 111.4/149.0 = 0.75 <= 1.00",
                                         "UF = SigjSd/fksd = 155.3/111.1 = 1.40 <= 1.00",
                                         "UF = Areq/A = 3.607E+3/2.553E+3 = 1.41 <= 1.00",
                                         "UF = IR/I = 1.091E+8/1.691E+7 = 6.45 <= 1.00"}));
    QCOMPARE(Entries(dir.path()), QStringList({"Tank A.pdf"}));
  }

  // One printer for the run: a second Print offers the printer (PDF
  // output), its file, paper and orientation chosen at the first, also
  // once the project has another file; nothing of it outlives the run.
  void aSecondPrintOffersTheFirstChoice() {
    DesignState ds = testing::ShippedProject();
    QTemporaryDir dir;
    ds.filename = dir.filePath("tank.tmr").toStdString();
    FakeReportHost host;
    host.keepPdf = true;
    host.dialog.path = dir.filePath("chosen.pdf");
    host.dialog.pageSize = QPageSize(QPageSize::A5);
    host.dialog.orientation = QPageLayout::Landscape;
    PrintReport(ds, host);
    QCOMPARE(host.ended, QStringList({dir.filePath("chosen.pdf")}));

    host.dialog.asOffered = true;
    PrintReport(ds, host);
    ds.filename = dir.filePath("other.tmr").toStdString();
    PrintReport(ds, host);
    QCOMPARE(host.dialog.offers.size(), size_t(3));
    QCOMPARE(host.dialog.offers[0].pdfFile, dir.filePath("tank.pdf"));
    for (std::size_t i = 1; i < 3; ++i) {
      const auto& offer = host.dialog.offers[i];
      QCOMPARE(offer.printer, host.dialog.offers[0].printer);
      QCOMPARE(offer.format, QPrinter::PdfFormat);
      QCOMPARE(offer.printerFile, dir.filePath("chosen.pdf"));
      QCOMPARE(offer.pdfFile, dir.filePath("chosen.pdf"));
      QVERIFY(offer.pageSize.isEquivalentTo(QPageSize(QPageSize::A5)));
      QCOMPARE(offer.orientation, QPageLayout::Landscape);
    }
    QCOMPARE(host.ended, QStringList(3, dir.filePath("chosen.pdf")));
    QVERIFY(host.messages.isEmpty());
    // The report itself is landscape A5: wider than high.
    const QString info = testing::RunTool("pdfinfo", {dir.filePath("chosen.pdf")}).value_or("");
    QVERIFY2(
        info.contains(QRegularExpression("Page size:\\s+595(\\.\\d+)? x 4(19|20)(\\.\\d+)? pts")),
        qPrintable(info));
    QVERIFY(!QFile::exists(dir.filePath("tank.pdf")) && !QFile::exists(dir.filePath("other.pdf")));
  }

  // A new run starts from the proposed file; a project never saved
  // proposes "report.pdf" in the user's documents folder.
  void proposedPdfFile_data() {
    QTest::addColumn<QString>("project");
    QTest::addColumn<QString>("proposed");
    QTest::newRow("never saved") << "New File"
                                 << "/home/eng/Documents/report.pdf";
    QTest::newRow("no name") << ""
                             << "/home/eng/Documents/report.pdf";
    QTest::newRow("project file") << "/data/Tank A.tmr"
                                  << "/data/Tank A.pdf";
    QTest::newRow("capitals") << "/data/TANK.TMR"
                              << "/data/TANK.pdf";
    QTest::newRow("other extension") << "/data/tank.txt"
                                     << "/data/tank.txt.pdf";
    QTest::newRow("no extension") << "/data/tank"
                                  << "/data/tank.pdf";
    QTest::newRow("extension inside") << "/data/tank.tmr.bak"
                                      << "/data/tank.tmr.bak.pdf";
    QTest::newRow("folder with extension") << "/data.tmr/tank"
                                           << "/data.tmr/tank.pdf";
    QTest::newRow("a PDF project") << "/data/tank.pdf"
                                   << "/data/tank.pdf.pdf";
    QTest::newRow("a file called New File") << "/data/New File"
                                            << "/data/New File.pdf";
  }

  void proposedPdfFile() {
    QFETCH(QString, project);
    QFETCH(QString, proposed);
    QCOMPARE(ProposedPdfFile(project.toStdString(), "/home/eng/Documents"), proposed);
    QVERIFY(ProposedPdfFile(project.toStdString(), "/home/eng/Documents") != project);
    RunPrinter run;
    if (!project.isEmpty() && project != "New File")
      QCOMPARE(run.OfferedPdfFile(project.toStdString()), proposed);
  }

  // Three copies: three print documents of one page each, each drawn from
  // the start with the same content.
  void eachCopyIsADocumentOfItsOwn() {
    DesignState ds = testing::ShippedProject();
    FakeReportHost host;
    host.dialog.path = OutputPath("report_copies.pdf");
    host.dialog.copies = 3;
    std::vector<double> yposAtEnd;
    host.onCopyEnded = [&](int) { yposAtEnd.push_back(ds.ypos); };
    PrintReport(ds, host);
    QCOMPARE(host.ended.size(), qsizetype(3));
    const QString first = PdfText(host.ended[0]);
    QVERIFY(first.contains("Shell Buckling"));
    for (const QString& pdf : host.ended) {
      QCOMPARE(testing::PdfPages(pdf), 1);
      QCOMPARE(PdfText(pdf), first);
    }
    QCOMPARE(yposAtEnd, std::vector<double>(3, yposAtEnd[0]));
  }

  // A page range chosen in the dialog is not used: the one report page is
  // printed, as many times as asked for.
  void aPageRangeChangesNothing() {
    DesignState ds = testing::ShippedProject();
    FakeReportHost host;
    host.dialog.path = OutputPath("report_page_range.pdf");
    host.dialog.pageRange = std::pair(2, 3);
    host.dialog.copies = 2;
    PrintReport(ds, host);
    QCOMPARE(host.ended.size(), qsizetype(2));
    for (const QString& pdf : host.ended) {
      QCOMPARE(testing::PdfPages(pdf), 1);
      QVERIFY(PdfText(pdf).contains("Shell Buckling"));
    }
  }

  void cancelPrintsNothing() {
    DesignState ds = testing::ShippedProject();
    FakeReportHost host;
    host.dialog.path = OutputPath("report_cancelled.pdf");
    QFile::remove(host.dialog.path);
    host.dialog.cancel = true;
    const double ypos = ds.ypos;
    PrintReport(ds, host);
    QCOMPARE(host.dialog.shown, 1);
    QVERIFY(host.ended.isEmpty());
    QVERIFY(!QFile::exists(host.dialog.path));
    QCOMPARE(ds.ypos, ypos);  // not even the layout was touched
  }

  // A failure while the second copy is drawn ends the command with one
  // message naming the PDF file: the first copy stays printed under the
  // chosen name, the second never reaches it and no third is printed; the
  // report layout is left as the command found it.
  void aFailureWhileACopyIsDrawnSaysSo() {
    DesignState ds = testing::ShippedProject();
    FailingWindow window;
    window.failOnCall = 2;
    ds.mainfrm = &window;
    FakeReportHost host;
    QTemporaryDir dir;
    host.dialog.path = dir.filePath("failing.pdf");
    host.dialog.copies = 3;
    host.keepPdf = true;
    ds.ypos = 0.3;
    ds.ytop = 1;
    ds.xshift = 60;
    PrintReport(ds, host);
    QCOMPARE(host.ended, QStringList({host.dialog.path}));
    QCOMPARE(host.messages,
             QStringList({"can't print - " + QDir::toNativeSeparators(host.dialog.path)}));
    QCOMPARE(testing::PdfPages(host.dialog.path), 1);
    QVERIFY(PdfText(host.dialog.path).contains("Shell Buckling"));
    QCOMPARE(Entries(dir.path()), QStringList({"failing.pdf"}));
    QCOMPARE(window.calls, 2);
    QCOMPARE(ds.ypos, 0.3);
    QCOMPARE(ds.ytop, 1.0f);
    QCOMPARE(ds.xshift, 60.0);
  }

  // A copy that fails while it is drawn leaves an earlier file of the
  // chosen name as it was, and nothing beside it.
  void aFailedCopyKeepsTheEarlierFile() {
    DesignState ds = testing::ShippedProject();
    FailingWindow window;
    window.failOnCall = 1;
    ds.mainfrm = &window;
    FakeReportHost host;
    QTemporaryDir dir;
    host.dialog.path = dir.filePath("report.pdf");
    QFile earlier(host.dialog.path);
    QVERIFY(earlier.open(QIODevice::WriteOnly));
    earlier.write("the report of yesterday");
    earlier.close();
    PrintReport(ds, host);
    QVERIFY(host.ended.isEmpty());
    QCOMPARE(host.messages.size(), qsizetype(1));
    QVERIFY(earlier.open(QIODevice::ReadOnly));
    QCOMPARE(earlier.readAll(), QByteArray("the report of yesterday"));
    QCOMPARE(Entries(dir.path()), QStringList({"report.pdf"}));
  }

  // Every step of writing the PDF file is checked. A step that fails
  // gives the one message naming the file, leaves an earlier file of that
  // name as it was and nothing beside it; the next print works as if the
  // failure had never been. Short and interrupted writes are carried on,
  // and a folder that does not take the flush of the rename leaves the
  // copy printed. Where no file may be made beside the earlier one, or the
  // folder refuses the rename, the copy is written over it in place (the
  // same file); otherwise a new file takes its name.
  void eachStepOfWritingThePdfIsChecked_data() {
    using Step = FaultyFileCalls::Step;
    QTest::addColumn<Step>("step");
    QTest::addColumn<int>("failAt");
    QTest::addColumn<int>("error");
    QTest::addColumn<int>("writeLimit");
    QTest::addColumn<bool>("printed");
    QTest::addColumn<bool>("inPlace");
    QTest::newRow("creating the file") << Step::Create << 1 << ENOSPC << 0 << false << false;
    QTest::newRow("the first write") << Step::Write << 1 << ENOSPC << 0 << false << false;
    QTest::newRow("a later write") << Step::Write << 3 << EFBIG << 4096 << false << false;
    QTest::newRow("a write that takes nothing") << Step::Write << 2 << 0 << 4096 << false << false;
    QTest::newRow("the flush to disk") << Step::Sync << 1 << EIO << 0 << false << false;
    QTest::newRow("closing the file") << Step::Close << 1 << EIO << 0 << false << false;
    QTest::newRow("the rename") << Step::Rename << 1 << EXDEV << 0 << false << false;
    QTest::newRow("short writes") << Step::None << 1 << 0 << 1000 << true << false;
    QTest::newRow("an interrupted write") << Step::Write << 2 << EINTR << 4096 << true << false;
    QTest::newRow("the folder's flush") << Step::SyncFolder << 1 << EIO << 0 << true << false;
    QTest::newRow("no file may be made beside it")
        << Step::Create << 1 << EACCES << 0 << true << true;
    QTest::newRow("the rename refused") << Step::Rename << 1 << EPERM << 0 << true << true;
  }

  void eachStepOfWritingThePdfIsChecked() {
    QFETCH(FaultyFileCalls::Step, step);
    QFETCH(int, failAt);
    QFETCH(int, error);
    QFETCH(int, writeLimit);
    QFETCH(bool, printed);
    QFETCH(bool, inPlace);
    DesignState ds = testing::ShippedProject();
    QTemporaryDir dir;
    FakeReportHost host;
    host.dialog.path = dir.filePath("report.pdf");
    host.keepPdf = true;
    const QByteArray yesterday = "the report of yesterday";
    QFile earlier(host.dialog.path);
    QVERIFY(earlier.open(QIODevice::WriteOnly) && earlier.write(yesterday) == yesterday.size());
    earlier.close();
    const ino_t inode = InodeOf(host.dialog.path);
    FaultyFileCalls calls;
    calls.failing = step;
    calls.failAt = failAt;
    calls.error = error;
    calls.writeLimit = static_cast<std::size_t>(writeLimit);
    host.fileCalls = &calls;

    PrintReport(ds, host);
    QCOMPARE(Entries(dir.path()), QStringList({"report.pdf"}));
    QCOMPARE(InodeOf(host.dialog.path) == inode, inPlace || !printed);
    if (printed && writeLimit > 0) QVERIFY(calls.writes > 2);  // a copy in many writes
    if (printed) {
      QVERIFY(host.messages.isEmpty());
      QCOMPARE(host.ended, QStringList({host.dialog.path}));
      QCOMPARE(testing::PdfPages(host.dialog.path), 1);
      QVERIFY(PdfText(host.dialog.path).contains("Shell Buckling"));
      return;
    }
    QCOMPARE(host.messages,
             QStringList({"can't print - " + QDir::toNativeSeparators(host.dialog.path)}));
    QVERIFY(host.ended.isEmpty());
    QCOMPARE(FileBytes(host.dialog.path), yesterday);

    PrintReport(ds, host);  // the fault has passed
    QCOMPARE(host.messages.size(), qsizetype(1));
    QCOMPARE(host.ended, QStringList({host.dialog.path}));
    QCOMPARE(testing::PdfPages(host.dialog.path), 1);
    QVERIFY(PdfText(host.dialog.path).contains("Shell Buckling"));
    QCOMPARE(Entries(dir.path()), QStringList({"report.pdf"}));
  }

  // A file-size limit that the PDF exceeds, as a disk that fills while the
  // page is written: the print says so and leaves the earlier report as it
  // was; once the limit is raised, a print of the same run writes the whole
  // page. The limit is set in a child run of this test program, so that
  // nothing else of this run meets it, with SIGXFSZ at its default action:
  // a print that let the signal end the child fails here. In its own folder
  // the earlier report is larger than the limit, so that a copy cut at the
  // limit could not pass for it; in place (another user's report in a
  // sticky folder, printed by nobody) it is written back, so it fits.
  void aPrintUnderAFileSizeLimit_data() {
    QTest::addColumn<bool>("inPlace");
    QTest::newRow("own folder") << false;
    QTest::newRow("in place") << true;
  }

  void aPrintUnderAFileSizeLimit() {
    QFETCH(bool, inPlace);
    const QByteArray childFolder = qgetenv(kUnderLimitFolder);
    if (!childFolder.isEmpty()) {
      PrintUnderFileSizeLimit(QFile::decodeName(childFolder), inPlace);
      return;
    }
    if (inPlace && !testing::RunningAsRoot()) QSKIP("needs root to make another user's file");
    QTemporaryDir dir;
    QVERIFY(QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                  QFileDevice::ExeOwner | QFileDevice::ReadOther |
                                                  QFileDevice::ExeOther));
    const QString folder = dir.filePath("out");
    QVERIFY(QDir(dir.path()).mkdir("out"));
    const QString report = QDir(folder).filePath("report.pdf");
    const QByteArray earlier =
        QByteArray("%PDF-1.4 the report of yesterday\n").repeated(inPlace ? 100 : 1000);
    QCOMPARE(earlier.size() < qsizetype(kFileSizeLimit), inPlace);
    QFile file(report);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(earlier) == earlier.size());
    file.close();
    const QByteArray local = QFile::encodeName(report);
    if (inPlace) {
      QCOMPARE(::chown(local.constData(), 4321, 65534), 0);
      QCOMPARE(::chmod(local.constData(), 0664), 0);
      QCOMPARE(::chmod(QFile::encodeName(folder).constData(), 01777), 0);
    }
    struct stat before {};
    QCOMPARE(::stat(local.constData(), &before), 0);

    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(kUnderLimitFolder, folder);
    env.insert("TAMREL_TEST_CLASS", "ReportCommandTest");
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::MergedChannels);
    const QString tag = QTest::currentDataTag();
    child.start(QCoreApplication::applicationFilePath(), {"aPrintUnderAFileSizeLimit:" + tag});
    const bool finished = child.waitForFinished(90000);
    if (!finished) child.kill(), child.waitForFinished();
    const QString output = QString::fromLocal8Bit(child.readAll());
    QVERIFY2(finished && child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0,
             qPrintable(output));
    const QRegularExpression passed(
        "PASS\\s+: \\S*ReportCommandTest::aPrintUnderAFileSizeLimit\\(" +
        QRegularExpression::escape(tag) + "\\)");
    QVERIFY2(output.contains(passed), qPrintable(output));
    QCOMPARE(testing::PdfPages(report), 1);
    QCOMPARE(Entries(folder), QStringList({"report.pdf"}));
    struct stat after {};
    QCOMPARE(::stat(local.constData(), &after), 0);
    QCOMPARE(after.st_uid, before.st_uid);
    QCOMPARE(after.st_gid, before.st_gid);
    QCOMPARE(after.st_mode, before.st_mode);
    if (inPlace) QCOMPARE(after.st_ino, before.st_ino);
  }

  // A name as long as a file name may be prints: the file written beside it
  // has a short name of its own.
  void aLongPdfNamePrints() {
    DesignState ds = testing::ShippedProject();
    for (const int length : {251, NAME_MAX}) {
      QTemporaryDir dir;
      FakeReportHost host;
      host.keepPdf = true;
      const QString name = QString(length - 4, QChar('n')) + ".pdf";
      host.dialog.path = dir.filePath(name);
      PrintReport(ds, host);
      QVERIFY2(host.messages.isEmpty(), qPrintable(host.messages.join(" | ")));
      QCOMPARE(host.ended, QStringList({host.dialog.path}));
      QCOMPARE(testing::PdfPages(host.dialog.path), 1);
      QCOMPARE(Entries(dir.path()), QStringList({name}));
    }
  }

  // A path with ".." after a link to a folder names the link's parent, as
  // the system resolves it: the PDF is written there, not beside the link,
  // and that folder is flushed after the rename, once, holding the PDF.
  void dotDotAfterAFolderLinkIsResolvedByTheSystem() {
    struct WatchedFlush : FileReplaceCalls {
      QStringList flushed;
      QStringList entriesAtFlush;
      QByteArray pdfAtFlush;
      QString pdf;
      int SyncFolder(const std::string& folder) override {
        flushed.push_back(QFile::decodeName(folder.c_str()));
        entriesAtFlush = Entries(flushed.back());
        pdfAtFlush = FileBytes(pdf);
        return FileReplaceCalls::SyncFolder(folder);
      }
    };
    DesignState ds = testing::ShippedProject();
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath("real/sub") && QDir(dir.path()).mkdir("out"));
    QVERIFY(QFile::link(dir.filePath("real/sub"), dir.filePath("out/ld")));
    FakeReportHost host;
    host.keepPdf = true;
    host.dialog.path = dir.filePath("out") + "/ld/../x.pdf";
    WatchedFlush calls;
    calls.pdf = dir.filePath("real/x.pdf");
    host.fileCalls = &calls;
    PrintReport(ds, host);
    QVERIFY2(host.messages.isEmpty(), qPrintable(host.messages.join(" | ")));
    QCOMPARE(testing::PdfPages(dir.filePath("real/x.pdf")), 1);
    QCOMPARE(Entries(dir.filePath("out")), QStringList({"ld"}));
    QCOMPARE(Entries(dir.filePath("real")), QStringList({"sub", "x.pdf"}));
    QCOMPARE(calls.flushed.size(), qsizetype(1));
    QCOMPARE(QFileInfo(calls.flushed[0]).canonicalFilePath(),
             QFileInfo(dir.filePath("real")).canonicalFilePath());
    QCOMPARE(calls.entriesAtFlush, QStringList({"sub", "x.pdf"}));
    QCOMPARE(calls.pdfAtFlush, FileBytes(dir.filePath("real/x.pdf")));
  }

  // A PDF file that cannot be written: one message naming it, nothing
  // printed, nothing left under that name or beside it, the design state
  // and the project file as they were.
  void anUnwritablePdfFileSaysSoOnce_data() {
    QTest::addColumn<QString>("name");  // in a folder holding "project.tmr" and "folder/"
    QTest::newRow("folder that does not exist") << "no such folder/report.pdf";
    QTest::newRow("an existing folder") << "folder";
    QTest::newRow("below a file") << "project.tmr/report.pdf";
  }

  void anUnwritablePdfFileSaysSoOnce() {
    QFETCH(QString, name);
    DesignState ds = testing::ShippedProject();
    testing::FakeWindow window;
    ds.mainfrm = &window;
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("folder"));
    const QString project = dir.filePath("project.tmr");
    WriteProjectFile(ds, project.toStdString());
    QCOMPARE(ds.filename, project.toStdString());
    const QByteArray projectText = FileBytes(project);
    const QByteArray inputs = ProjectFileBytes(ds, dir.filePath("inputs.tmr"));
    QVERIFY(QFile::remove(dir.filePath("inputs.tmr")));
    const ResultTable shell = ds.shellTable;
    ds.ypos = 0.3;
    ds.rfont = 0;

    FakeReportHost host;
    host.dialog.path = dir.filePath(name);
    host.dialog.copies = 2;
    PrintReport(ds, host);
    QVERIFY(host.ended.isEmpty());
    QCOMPARE(host.messages,
             QStringList({"can't print - " + QDir::toNativeSeparators(host.dialog.path)}));
    QVERIFY(window.messages.empty());
    QCOMPARE(FileBytes(project), projectText);
    QCOMPARE(ProjectFileBytes(ds, dir.filePath("inputs.tmr")), inputs);
    QVERIFY(QFile::remove(dir.filePath("inputs.tmr")));
    QVERIFY(shell.val == ds.shellTable.val);
    QCOMPARE(ds.ypos, 0.3);
    QCOMPARE(ds.rfont, 0.0f);
    QCOMPARE(Entries(dir.path()), QStringList({"folder", "project.tmr"}));
    QVERIFY(QDir(dir.filePath("folder")).isEmpty());
  }

  // Grayscale chosen in the dialog prints the page in shades of grey, the
  // sketches included, and the texts stay texts; colour prints colours.
  void grayscalePrintsInGrey() {
    for (const QPrinter::ColorMode mode : {QPrinter::Color, QPrinter::GrayScale}) {
      QString pdf;
      QImage page;
      PrintShippedProjectIn(mode, mode == QPrinter::Color ? "report_colour" : "report_grey", 60,
                            pdf, page);
      QVERIFY(!page.isNull());
      QVERIFY(Squeezed(PdfText(pdf))
                  .contains(Squeezed("UF = SigjSd/fksd = 111.4/149.0 = 0.75 <= 1.00")));
      int coloured = 0;
      for (int y = 0; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x) {
          const QColor c = page.pixelColor(x, y);
          if (std::max({c.red(), c.green(), c.blue()}) - std::min({c.red(), c.green(), c.blue()}) >
              2) {
            ++coloured;
          }
        }
      }
      if (mode == QPrinter::Color) {
        QVERIFY2(coloured > 1000, qPrintable(QString::number(coloured)));
      } else {
        QCOMPARE(coloured, 0);
      }
    }
  }

  // The grey print is the colour print in grey: the same texts, the
  // sketches' labels among them, a file of about the same size, and every
  // pixel of its page the grey of the colour page's pixel.
  void grayscalePrintIsTheColourPrintInGrey() {
    QString pdf[2];
    QImage page[2];
    PrintShippedProjectIn(QPrinter::Color, "report_colour_page", 100, pdf[0], page[0]);
    PrintShippedProjectIn(QPrinter::GrayScale, "report_grey_page", 100, pdf[1], page[1]);
    QVERIFY(!page[0].isNull() && !page[1].isNull());
    QCOMPARE(testing::PdfLines(pdf[1]), testing::PdfLines(pdf[0]));
    // The sketches' labels, as often in the grey text as in the colour
    // one; the letters t, r, l, L and s stand as words of their own there
    // and beside the values.
    static const QRegularExpression blanks("\\s+");
    const QString texts[2] = {PdfText(pdf[0]), PdfText(pdf[1])};
    const QStringList words[2] = {texts[0].split(blanks), texts[1].split(blanks)};
    for (const char* label : {"Stringer stiffened cylinder", "stiffening inside", "shell plating",
                              "stiffener", "ring frame", "outside", "inside"}) {
      const QString l = QLatin1String(label);
      QVERIFY2(texts[0].count(l) > 0 && texts[1].count(l) == texts[0].count(l), label);
    }
    for (const char* letter : {"t", "r", "l", "L", "s"}) {
      const QString l = QLatin1String(letter);
      QVERIFY2(words[0].count(l) > 1 && words[1].count(l) == words[0].count(l), letter);
    }
    const qint64 colourSize = QFileInfo(pdf[0]).size();
    const qint64 greySize = QFileInfo(pdf[1]).size();
    QVERIFY2(colourSize > 0 && greySize * 2 < colourSize * 3,
             qPrintable(QString("grey %1 bytes, colour %2").arg(greySize).arg(colourSize)));
    QCOMPARE(testing::PixelsNotTheirGrey(page[0], page[1]), 0);
  }

  // Printing recalculates nothing and changes no input; the ring-frame
  // table sets check_ih from the sign of pd, as on screen.
  void printingChangesNoInputAndSetsCheckIh() {
    DesignState ds = testing::ShippedProject();
    testing::FakeWindow window;
    ds.mainfrm = &window;
    QTemporaryDir dir;
    const QByteArray before = ProjectFileBytes(ds, dir.filePath("before.tmr"));
    const ResultTable shell = ds.shellTable, stiff = ds.stiffTable, ring = ds.ringTable;
    window.checkIhVisible = false;
    QVERIFY(!PrintToPdf(ds, "report_inputs_kept").isEmpty());
    QCOMPARE(ProjectFileBytes(ds, dir.filePath("after.tmr")), before);
    QVERIFY(shell.val == ds.shellTable.val && stiff.val == ds.stiffTable.val &&
            ring.val == ds.ringTable.val);
    QVERIFY(window.checkIhVisible);  // pd = -0.3: external pressure
    QVERIFY(window.messages.empty());
  }

 private:
  // The shipped project printed to "<name>.pdf" in the colour mode chosen
  // in the dialog, and its page rendered at dpi; page stays null on a
  // failure.
  static void PrintShippedProjectIn(QPrinter::ColorMode mode, const QString& name, int dpi,
                                    QString& pdf, QImage& page) {
    DesignState ds = testing::ShippedProject();
    FakeReportHost host;
    host.keepPdf = true;
    host.dialog.path = OutputPath(name + ".pdf");
    host.dialog.colorMode = mode;
    PrintReport(ds, host);
    pdf = host.dialog.path;
    QCOMPARE(host.ended, QStringList({pdf}));
    QVERIFY(testing::RenderPng(pdf, name, dpi));
    page = QImage(OutputPath(name + ".png"));
  }

  // The child run: a print under the limit, then one with the limit raised;
  // in place as nobody.
  static void PrintUnderFileSizeLimit(const QString& folder, bool inPlace) {
    DesignState ds = testing::ShippedProject();
    FakeReportHost host;
    host.dialog.path = QDir(folder).filePath("report.pdf");
    host.keepPdf = true;
    const QByteArray earlier = FileBytes(host.dialog.path);
    QVERIFY(!earlier.isEmpty());

    // The fonts are found before the limit is set, so that no font cache
    // of the system is written under it.
    QVERIFY(QFontMetricsF(QFont(QStringLiteral("arial"))).height() > 0);
    rlimit limit{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &limit), 0);
    const rlimit unlimited = limit;
    QVERIFY(unlimited.rlim_cur == RLIM_INFINITY || unlimited.rlim_cur > 10 * kFileSizeLimit);
    limit.rlim_cur = kFileSizeLimit;
    if (inPlace) QVERIFY(testing::BecomeNobody());
    // SIGXFSZ at its default action, as the program finds it when it starts.
    QVERIFY(std::signal(SIGXFSZ, SIG_DFL) != SIG_ERR);
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &limit), 0);
    PrintReport(ds, host);
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &unlimited), 0);
    QCOMPARE(host.messages,
             QStringList({"can't print - " + QDir::toNativeSeparators(host.dialog.path)}));
    QVERIFY(host.ended.isEmpty());
    QCOMPARE(FileBytes(host.dialog.path), earlier);
    QCOMPARE(Entries(folder), QStringList({"report.pdf"}));

    PrintReport(ds, host);
    QCOMPARE(host.messages.size(), qsizetype(1));
    QCOMPARE(host.ended, QStringList({host.dialog.path}));
    QCOMPARE(testing::PdfPages(host.dialog.path), 1);
    QVERIFY(PdfText(host.dialog.path).contains("Shell Buckling"));
  }
};

// A copy printed as PDF is written to a file of its own beside the chosen
// one, which takes the chosen name only when the copy is whole on disk.
class PdfCopyFileTest : public QObject {
  Q_OBJECT

  static bool WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
  }

  // A PDF of one page with a text.
  static QByteArray OnePage() {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    QPainter painter(&writer);
    painter.drawText(QPointF(100, 100), QStringLiteral("copy of today"));
    painter.end();
    return buffer.data();
  }

  // The system's calls. Each new file made: its name, the flags and mode it
  // was asked for with, and the mode it has once made; the first name tried
  // is taken by a file of someone else just before. At the rename, what the
  // chosen name and the new file hold.
  struct WatchedCalls : FileReplaceCalls {
    struct Made {
      QString path;
      int flags;
      mode_t asked;
      mode_t has;  // 0: not made
    };
    std::vector<Made> made;
    QByteArray chosenAtRename;
    QByteArray newAtRename;
    QString chosen;
    int Open(const std::string& path, int flags, mode_t mode) override {
      if ((flags & O_CREAT) == 0) return FileReplaceCalls::Open(path, flags, mode);
      const QString name = QFile::decodeName(path.c_str());
      if (made.empty()) WriteBytes(name, "not ours");
      const int fd = FileReplaceCalls::Open(path, flags, mode);
      struct stat st {};
      made.push_back(
          {name, flags, mode, fd >= 0 && ::fstat(fd, &st) == 0 ? st.st_mode & 07777 : 0});
      return fd;
    }
    int Rename(const std::string& from, const std::string& to) override {
      chosenAtRename = FileBytes(chosen);
      newAtRename = FileBytes(QFile::decodeName(from.c_str()));
      return FileReplaceCalls::Rename(from, to);
    }
  };

 private slots:
  void aWrittenCopyTakesTheName_data() {
    QTest::addColumn<bool>("written");
    QTest::addColumn<bool>("viaLink");
    QTest::addColumn<bool>("earlier");  // a file stands under the name already
    QTest::newRow("written") << true << false << true;
    QTest::newRow("not written") << false << false << true;
    QTest::newRow("written, through a link") << true << true << true;
    QTest::newRow("not written, through a link") << false << true << true;
    QTest::newRow("written, through a link to no file yet") << true << true << false;
  }

  // The copy goes into a new file of a short name of its own beside the
  // destination, never over a file that is there, never through a link,
  // made readable by its owner alone where it is to replace a file (a new
  // file is made as any other); it takes the destination's name once whole.
  void aWrittenCopyTakesTheName() {
    QFETCH(bool, written);
    QFETCH(bool, viaLink);
    QFETCH(bool, earlier);
    QTemporaryDir dir;
    const QString real = dir.filePath("report.pdf");
    const QString chosen = viaLink ? dir.filePath("link.pdf") : real;
    if (earlier) QVERIFY(WriteBytes(real, "the report of yesterday"));
    if (viaLink) QVERIFY(QFile::link(real, chosen));
    const QByteArray pdf = OnePage();
    WatchedCalls calls;
    calls.chosen = chosen;
    {
      const PdfCopyFile file(chosen);
      QCOMPARE(file.Destination(), real);
      if (written) file.Write(pdf, calls);
    }
    QStringList files = {"report.pdf"};
    if (!earlier && !written) files.clear();
    if (viaLink) files.push_back("link.pdf");
    if (written) {
      // The first name was taken: a second one is made, and the file of the
      // first is left alone.
      QCOMPARE(calls.made.size(), std::size_t{2});
      const mode_t mask = ::umask(0);
      ::umask(mask);
      for (const auto& m : calls.made) {
        const QFileInfo info(m.path);
        QCOMPARE(info.absolutePath(), dir.path());
        QVERIFY2(info.fileName().size() <= 24, qPrintable(info.fileName()));
        QCOMPARE(m.flags & (O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC),
                 O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC);
        QCOMPARE(m.asked, mode_t{earlier ? 0600u : 0666u});
      }
      QCOMPARE(calls.made[0].has, mode_t{0});
      QCOMPARE(calls.made[1].has, mode_t{earlier ? 0600u : 0666u & ~mask});
      QVERIFY(calls.made[0].path != calls.made[1].path);
      QCOMPARE(FileBytes(calls.made[0].path), QByteArray("not ours"));
      files.push_front(QFileInfo(calls.made[0].path).fileName());
      // Until the new file is whole, the name keeps what it had.
      QCOMPARE(calls.chosenAtRename, earlier ? QByteArray("the report of yesterday") : "");
      QCOMPARE(calls.newAtRename, pdf);
    }
    files.sort();
    QCOMPARE(Entries(dir.path()), files);
    QCOMPARE(QFileInfo(chosen).isSymLink(), viaLink);
    if (written) {
      QCOMPARE(FileBytes(real), pdf);
      QCOMPARE(testing::PdfPages(real), 1);
      QVERIFY(PdfText(real).contains("copy of today"));
    } else {
      QCOMPARE(FileBytes(real), QByteArray("the report of yesterday"));
    }
  }

  // An earlier file under the chosen name stays what it was to its users:
  // its owner, group and mode, its access list and attributes, its other
  // names (hard links). Where a new file could not be all that, or the
  // folder takes no new file, the copy is written over it in place.
  // Owners other than the test's own need root to make, and are written by
  // root, or by nobody in a child process.
  void anEarlierFileStaysWhatItWas_data() {
    QTest::addColumn<int>("folderMode");
    QTest::addColumn<bool>("otherOwner");  // the file is 4321's, of group 4322 or nobody's
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("hardLink");
    QTest::addColumn<bool>("attributes");  // an access list and a user attribute
    QTest::addColumn<bool>("byNobody");
    QTest::addColumn<bool>("inPlace");
    QTest::newRow("another user's file, printed by root")
        << 0755 << true << 0640 << false << false << false << false;
    QTest::newRow("a file of two names") << 0755 << false << 0644 << true << false << false << true;
    QTest::newRow("an access list and an attribute")
        << 0755 << false << 0640 << false << true << false << false;
    QTest::newRow("another user's file in a sticky folder, printed by nobody")
        << 01777 << true << 0664 << false << false << true << true;
    QTest::newRow("a folder nobody may write, printed by nobody")
        << 0755 << false << 0666 << false << false << true << true;
  }

  void anEarlierFileStaysWhatItWas() {
    QFETCH(int, folderMode);
    QFETCH(bool, otherOwner);
    QFETCH(int, mode);
    QFETCH(bool, hardLink);
    QFETCH(bool, attributes);
    QFETCH(bool, byNobody);
    QFETCH(bool, inPlace);
    if ((otherOwner || byNobody) && !testing::RunningAsRoot()) {
      QSKIP("needs root to make files of other users");
    }
    QTemporaryDir dir;
    QCOMPARE(::chmod(QFile::encodeName(dir.path()).constData(), 0755), 0);
    const QString folder = dir.filePath("out");
    QVERIFY(QDir(dir.path()).mkdir("out"));
    const QString path = QDir(folder).filePath("report.pdf");
    const std::string local = QFile::encodeName(path).toStdString();
    QVERIFY(WriteBytes(path, "the report of yesterday"));
    QStringList names = {"report.pdf"};
    if (hardLink) {
      QCOMPARE(::link(local.c_str(), (local + ".2").c_str()), 0);
      names.push_back("report.pdf.2");
    }
    if (otherOwner) QCOMPARE(::chown(local.c_str(), 4321, byNobody ? 65534 : 4322), 0);
    QCOMPARE(::chmod(local.c_str(), static_cast<mode_t>(mode)), 0);
    if (attributes) {
      if (!testing::SetAttribute(local, testing::kAccessListAttribute,
                                 testing::SharedWithOneUser(4321)) ||
          !testing::SetAttribute(local, "user.origin", "drawing office")) {
        QSKIP("the scratch folder's file system keeps no access lists or attributes");
      }
    }
    QCOMPARE(::chmod(QFile::encodeName(folder).constData(), static_cast<mode_t>(folderMode)), 0);
    struct stat before {};
    QCOMPARE(::stat(local.c_str(), &before), 0);
    const auto acl = testing::Attribute(local, testing::kAccessListAttribute);

    const QByteArray pdf = OnePage();
    const auto write = [&] {
      try {
        PdfCopyFile(path).Write(pdf);
        return int{testing::kAsExpected};
      } catch (const PrintFailure&) {
        return int{testing::kUnexpected};
      }
    };
    const int outcome = byNobody ? testing::RunInChild([&] {
      return testing::BecomeNobody() ? write() : int{testing::kCannotTest};
    })
                                 : write();
    QCOMPARE(outcome, int{testing::kAsExpected});
    QCOMPARE(FileBytes(path), pdf);
    if (hardLink) QCOMPARE(FileBytes(path + ".2"), pdf);
    struct stat after {};
    QCOMPARE(::stat(local.c_str(), &after), 0);
    QCOMPARE(after.st_uid, before.st_uid);
    QCOMPARE(after.st_gid, before.st_gid);
    QCOMPARE(after.st_mode, before.st_mode);
    QCOMPARE(after.st_nlink, before.st_nlink);
    QCOMPARE(after.st_ino == before.st_ino, inPlace);
    QCOMPARE(testing::Attribute(local, testing::kAccessListAttribute), acl);
    if (attributes) {
      QCOMPARE(testing::Attribute(local, "user.origin"),
               std::optional<std::string>("drawing office"));
    }
    QCOMPARE(Entries(folder), names);
  }

  // A name that cannot take a file: nothing is written.
  void aNameThatCannotTakeAFile_data() {
    QTest::addColumn<QString>("name");  // in a folder with a pipe and a loop of two links
    QTest::newRow("none") << QString();
    QTest::newRow("a folder") << QDir::tempPath();
    QTest::newRow("a device") << "/dev/null";
    QTest::newRow("a pipe") << "pipe.pdf";
    QTest::newRow("a loop of links") << "loop.pdf";
  }

  void aNameThatCannotTakeAFile() {
    QFETCH(QString, name);
    QTemporaryDir dir;
    QCOMPARE(::mkfifo(QFile::encodeName(dir.filePath("pipe.pdf")).constData(), 0600), 0);
    QVERIFY(QFile::link(dir.filePath("loop.pdf"), dir.filePath("loop2.pdf")));
    QVERIFY(QFile::link(dir.filePath("loop2.pdf"), dir.filePath("loop.pdf")));
    const QString path = name.isEmpty() ? name : QDir(dir.path()).filePath(name);
    QVERIFY_THROWS_EXCEPTION(PrintFailure, PdfCopyFile{path});
    QCOMPARE(Entries(dir.path()), QStringList({"loop.pdf", "loop2.pdf", "pipe.pdf"}));
  }
};

class ReportContentTest : public QObject {
  Q_OBJECT

 private slots:
  void defaultProject() {
    DesignState ds = testing::ShippedProject();
    const QString pdf = PrintToPdf(ds, "report_default");
    QVERIFY(!pdf.isEmpty());
    QVERIFY(testing::RenderPng(pdf, "report_default"));
    const QString date = QLocale().toString(QDate(2024, 3, 7), QLocale::ShortFormat);
    VERIFY_ALL_PRINTED(pdf, QStringList({
                                // Header
                                "Tamrel DNV",
                                "Cylinder shell buckling based on DNV-RP-C202",
                                "Project: Project",
                                "Identification: Test",
                                "Page:",
                                "1/1",
                                "Date: " + date,
                                "Time: 9:5",
                                "File: new file",
                                // Design format and material
                                "Design format/Condition and Material:",
                                "Design Condition: LRDF meth.od",
                                "Allowable Usage Factor: UF = 1.00",
                                "Plate: S355 fy = 345 MPa",
                                "Stiffener: S355 fy = 355 MPa",
                                "Ringframe: S355 fy = 355 MPa",
                                "Youngs modulus: E = 2.10E+5 MPa",
                                // Geometry
                                "Geometry:",
                                "Cylinder radius (cL plate) r = 3333 mm",
                                "Distance between ring frames l = 3000 mm",
                                "Cylinder wall thickness t = 20.0 mm",
                                "Stiff spacing: s = 600 mm",
                                "Lat tors buckl length: (stiffener) lt = 3000 mm",
                                "Cylinder length L = 6000 mm",
                                "Lat tors buckl length: (ringframe) lt = 600 mm",
                                // Loading
                                "Loading:",
                                "Sigx = -100.0 MPa",
                                "Sigy = -10.0 MPa",
                                "Tau = 40.0 MPa",
                                "pd = -0.300 MPa (positive = inside pressure)",
                                // Profiles: stiffener L row 0, ring frame T row 0
                                "Stiffener Profile: L100x50x6.0x6.0",
                                "Ringframe Profile: T95x200x6.5x10.0 (Fabricated)",
                                "H = 100 mm H = 95 mm",
                                "B = 50 mm B = 200 mm",
                                "tw = 6.0 mm tw = 6.5 mm",
                                "tf = 6.0 mm tf = 10.0 mm",
                                "A = 864 mm2 A = 2553 mm2",
                                "Iy = 9.058E+5 mm4 Iy = 1.326E+6 mm4",
                                "Iz = 1.573E+5 mm4 Iz = 6.667E+6 mm4",
                                "Local buckling: Local buckling:",
                                "h <= 197 (Eq 3.10.7) ==> OK h <= 213 (Eq 3.10.2) ==> OK",
                                "bf <= 58 (Eq 3.10.9) ==> OK h/tw <= 53 (Eq 3.10.4) ==> OK",
                                "bf <= 97 (Eq 3.10.3) ==> OK",
                                "ef/tw <= 3 (Eq 3.10.5) ==> OK",
                            }));
    // The three result tables, every row as the core drew it.
    VERIFY_ALL_PRINTED(pdf, TableRows(ds.shellTable));
    VERIFY_ALL_PRINTED(pdf, TableRows(ds.stiffTable));
    VERIFY_ALL_PRINTED(pdf, TableRows(ds.ringTable));
    VERIFY_ALL_PRINTED(pdf, QStringList({"UF = SigjSd/fksd = 111.4/149.0 = 0.75 <= 1.00",
                                         "UF = IR/I = 1.091E+8/1.691E+7 = 6.45 <= 1.00"}));
  }

  void columnType() {
    DesignState ds = testing::ShippedProject();
    ds.cyltype = kColumnBuckling;
    Recalculate(ds);
    const QString pdf = PrintToPdf(ds, "report_column");
    QVERIFY(testing::RenderPng(pdf, "report_column"));
    VERIFY_ALL_PRINTED(pdf, QStringList({
                                "Plate: S355 fy = 345 MPa",
                                "Cylinder radius (cL plate) r = 3333 mm",
                                "Cylinder wall thickness t = 20.0 mm",
                                "Cylinder length L = 6000 mm",
                                "Effective length factor k1 = 1.00",
                                "k2 = 1.00",
                                "pd = -0.300 MPa (positive = inside pressure)",
                                "N = -1000.0 kN",
                                "M1a = -200.0 kNm",
                                "M1b = 100.0 kNm",
                                "M2a = -100.0 kNm",
                                "M2b = 100.0 kNm",
                            }));
    VERIFY_ALL_PRINTED(pdf, TableRows(ds.shellTable));
    VERIFY_ALL_PRINTED(pdf, TableRows(ds.stiffTable));  // the column table
    for (const char* absent :
         {"Distance between ring frames", "Stiffener: ", "Ringframe: ", "Sigx", "Sigy", "Tau",
          "Stiffener Profile:", "Ringframe Profile:", "Panel Ring Buckling"}) {
      VERIFY_NONE_PRINTED(pdf, QStringList({absent}));
    }
  }

  void unstiffenedCylinderAndWsd() {
    DesignState ds = testing::ShippedProject();
    ds.cyltype = kCylinder;
    ds.lrfd = kWSD;
    ds.UF = Variant(0.5f);
    Recalculate(ds);
    const QString pdf = PrintToPdf(ds, "report_cylinder");
    QVERIFY(testing::RenderPng(pdf, "report_cylinder"));
    VERIFY_ALL_PRINTED(
        pdf, QStringList({"Design Condition: WSD meth.od", "Basic Usage Factor: n0 = 0.50",
                          "Plate: S355 fy = 345 MPa", "Youngs modulus: E = 2.10E+5 MPa",
                          "Distance between ring frames l = 3000 mm", "Sigx = -100.0 MPa"}));
    VERIFY_ALL_PRINTED(pdf, TableRows(ds.shellTable));
    for (const char* absent : {"Stiffener: ", "Ringframe: ", "Stiff spacing:", "Cylinder length",
                               "Profile data:", "Stiffener Buckling", "Panel Ring Buckling"}) {
      VERIFY_NONE_PRINTED(pdf, QStringList({absent}));
    }
  }

  // An LRFD usage factor of 0.5 under "##.00" has no leading zero.
  void lrfdUsageFactorBelowOne() {
    DesignState ds = testing::ShippedProject();
    ds.UF = Variant(0.5f);
    Recalculate(ds);
    const QString pdf = PrintToPdf(ds, "report_uf_half");
    VERIFY_ALL_PRINTED(pdf, QStringList({"Allowable Usage Factor: UF = .50"}));
  }

  // The stringer panel that counts as an unstiffened shell prints the note
  // in place of the stiffener table, on one line.
  void unstiffenedPanelNote() {
    DesignState ds = testing::ShippedProject();
    ds.stiffspacing = Variant(900.0f);
    Recalculate(ds);
    const QString pdf = PrintToPdf(ds, "report_note");
    QVERIFY(testing::RenderPng(pdf, "report_note"));
    VERIFY_ALL_PRINTED(pdf, QStringList({QString::fromStdString(ds.stiffTable.txt[0]),
                                         "Note: s/t>3* Sqr(r/t) ==> calculation as an "
                                         "unstiffened tamrel, (Ref Ch 3.6.1)"}));
    VERIFY_ALL_PRINTED(pdf, TableRows(ds.ringTable));
  }

  // Every profile type of each member: the type line, the rows of its
  // family's data block and its local-buckling texts.
  void profileTypes_data() {
    QTest::addColumn<bool>("ringFrame");
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("typeLine");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QStringList>("absent");
    QTest::addColumn<int>("classes");
    const QStringList lti = {"H=", "B=", "tw=", "tf=", "A=", "g=", "Iy=", "Iz=", "Localbuckling:"};
    struct Case {
      const char* name;
      bool ring;
      int type;
      const char* line;
      QStringList rows;
      QStringList absent;
      int classes;
    };
    const Case cases[] = {
        {"stiffener L table", false, 0, "Stiffener Profile: L100x50x6.0x6.0", lti, {}, 2},
        {"stiffener L built up",
         false,
         1,
         "Stiffener Profile: L200x90x9.0x12.0 (built-up)",
         lti,
         {},
         2},
        {"stiffener T table", false, 2, "Stiffener Profile: T95x200x6.5x10.0", lti, {}, 2},
        {"stiffener T built up",
         false,
         3,
         "Stiffener Profile: T200x90x9.0x12.0",
         lti,
         {"(built-up)"},
         2},
        {"stiffener flat bar table",
         false,
         4,
         "Stiffener Profile: Fb60x6.0",
         {"H=60mm", "tw=6.0mm", "A=", "g=", "Iy="},
         {"B=", "Iz="},
         1},
        {"stiffener flat bar built up",
         false,
         5,
         "Stiffener Profile: Fb100x10.0",
         {"H=100mm", "tw=10.0mm"},
         {"B=", "Iz=", "(built-up)"},
         1},
        {"stiffener bulb flat",
         false,
         6,
         "Stiffener Profile: BF 120x7.0",
         {"H=120mm", "tw=7.0mm", "c=17.0mm", "r=5.0mm", "B=", "tf=", "A=", "g=", "Iy="},
         {"Iz="},
         1},
        {"stiffener RHS",
         false,
         7,
         "Stiffener Profile: RHS200x90x9.0",
         {"H=200mm", "B=90mm", "tw=9.0mm", "A=", "g=", "Iy="},
         {"a=50mm", "Iz=", "Localbuckling:"},
         0},
        {"stiffener trapezoid",
         false,
         8,
         "Stiffener Profile: Trapez 200x90x9.0",
         {"H=200mm", "B=90mm", "a=50mm", "tw=9.0mm", "A=", "g=", "Iy="},
         {"Iz=", "Localbuckling:"},
         0},
        {"stiffener I built up", false, 9, "Stiffener Profile: I200x90x9.0x12.0", lti, {}, 2},
        {"ring L table", true, 0, "Ringframe Profile: L100x50x6.0x6.0 (Fabricated)", lti, {}, 4},
        {"ring L built up",
         true,
         1,
         "Ringframe Profile: L200x90x9.0x12.0 (Fabricated) (built-up)",
         lti,
         {},
         4},
        {"ring T table", true, 2, "Ringframe Profile: T95x200x6.5x10.0 (Fabricated)", lti, {}, 4},
        {"ring T built up",
         true,
         3,
         "Ringframe Profile: T200x90x9.0x12.0 (Fabricated)",
         lti,
         {"(built-up)"},
         4},
        {"ring flat bar table",
         true,
         4,
         "Ringframe Profile: Fb60x6.0 (Fabricated)",
         {"H=60mm", "tw=6.0mm"},
         {"B=", "Iz="},
         1},
        {"ring flat bar built up",
         true,
         5,
         "Ringframe Profile: Fb200x9.0 (Fabricated)",
         {"H=200mm", "tw=9.0mm"},
         {"B=", "Iz="},
         1},
        {"ring bulb flat",
         true,
         6,
         "Ringframe Profile: BF 120x7.0 (Fabricated)",
         {"H=120mm", "tw=7.0mm", "c=17.0mm", "r=5.0mm", "B=", "tf="},
         {"Iz="},
         2},
        {"ring RHS",
         true,
         7,
         "Ringframe Profile: RHS200x90x9.0 (Fabricated)",
         {"H=200mm", "B=90mm", "tw=9.0mm", "Iy="},
         {"a=50mm", "Iz=", "Localbuckling:"},
         0},
        {"ring trapezoid",
         true,
         8,
         "Ringframe Profile: Trapez 200x90x9.0 (Fabricated)",
         {"a=50mm", "tw=9.0mm", "Iy="},
         {"Iz=", "Localbuckling:"},
         0},
        {"ring I built up",
         true,
         9,
         "Ringframe Profile: I200x90x9.0x12.0 (Fabricated)",
         lti,
         {},
         4},
    };
    for (const Case& c : cases) {
      QTest::newRow(c.name) << c.ring << c.type << QString(c.line) << c.rows << c.absent
                            << c.classes;
    }
  }

  void profileTypes() {
    QFETCH(bool, ringFrame);
    QFETCH(int, type);
    QFETCH(QString, typeLine);
    QFETCH(QStringList, rows);
    QFETCH(QStringList, absent);
    QFETCH(int, classes);
    DesignState ds = testing::ShippedProject();
    // One member on the page: the stiffener alone, or the ring frame of a
    // ring-stiffened cylinder.
    if (ringFrame) {
      ds.cyltype = kRingStiffened;
      ds.ringtype = static_cast<std::int16_t>(type);
    } else {
      ds.ring = 0;
      ds.stifftype = static_cast<std::int16_t>(type);
    }
    Recalculate(ds);
    const QString name = QString("report_%1_%2").arg(ringFrame ? "ring" : "stiff").arg(type);
    const QString pdf = PrintToPdf(ds, name);
    QVERIFY(!pdf.isEmpty());
    if (type == 6 || type == 8) QVERIFY(testing::RenderPng(pdf, name));
    const QString text = Squeezed(PdfText(pdf));
    QVERIFY2(text.contains(Squeezed(typeLine)), qPrintable(PdfText(pdf)));
    QVERIFY(text.contains("Profiledata:"));
    for (const QString& row : rows) QVERIFY2(text.contains(row), qPrintable(row));
    for (const QString& row : absent) QVERIFY2(!text.contains(row), qPrintable(row));
    const auto& texts = ringFrame ? ds.girdclass : ds.stiffclass;
    for (int i = 1; i <= classes; ++i) {
      const QString lb = QString::fromStdString(texts[static_cast<std::size_t>(i)]);
      QVERIFY(lb.contains("==> OK") || lb.contains("==> NOK"));
      QVERIFY2(text.contains(Squeezed(lb)), qPrintable(lb));
    }
  }

  // A bulb flat prints the flange derived for its bulb, not a table value.
  void bulbFlatDerivedFlange() {
    DesignState ds = testing::ShippedProject();
    ds.ring = 0;
    ds.stifftype = kBulbFlat;
    // A row of H 200, tw 10, c 28, r 8, A 2780: B = 10 + 28 - 0.45 * 8 =
    // 34.4, tf = (2780 - 200 * 10) / (34.4 - 10) = 31.97.
    ds.bfprof.cell[0] = {0, 200, 10, 28, 8, 2780};
    Recalculate(ds);
    const QString pdf = PrintToPdf(ds, "report_bulb_flat");
    VERIFY_ALL_PRINTED(pdf, QStringList({"Stiffener Profile: BF 200x10.0", "B = 34.4 mm",
                                         "tf = 32.0 mm", "c = 28.0 mm", "r = 8.0 mm"}));
  }
};

TAMREL_GUI_TEST(ReportCommandTest);
TAMREL_GUI_TEST(ReportContentTest);
TAMREL_GUI_TEST(PdfCopyFileTest);

}  // namespace tamrel

#include "report_test.moc"
