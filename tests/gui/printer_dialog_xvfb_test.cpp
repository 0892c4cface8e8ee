// The file named for the PDF output in Qt's real print dialog, answered as a
// user would on an X server: a name at which no PDF can be written (a pipe,
// a device, a socket, a folder, also behind links, and a loop of links) is
// refused with the program's message, the dialog stays open and nothing
// waits or is made; a link prints at the file it leads to and stays a link;
// a plain new or existing file prints as before. Nothing of the folder but
// the PDF itself is changed.

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMap>
#include <QMessageBox>
#include <QPointer>
#include <QPrintDialog>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <filesystem>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

#include "gui_support.h"
#include "platform/formula_text.h"
#include "report/printer_dialog.h"
#include "report_support.h"

namespace tamrel {

namespace {

namespace fs = std::filesystem;

// Opens the pipes given for reading once `after` has passed and it has not
// been stopped: a writer waiting in open() for a reader goes on, so that a
// test which would wait for ever ends, and sees that it waited.
class PipeWatchdog {
 public:
  PipeWatchdog(std::vector<std::string> pipes, std::chrono::seconds after)
      : pipes_(std::move(pipes)), thread_([this, after] { Watch(after); }) {}
  ~PipeWatchdog() {
    {
      const std::lock_guard<std::mutex> lock(mutex_);
      stopped_ = true;
    }
    wake_.notify_all();
    thread_.join();
    for (const int fd : opened_) ::close(fd);
  }
  PipeWatchdog(const PipeWatchdog&) = delete;
  PipeWatchdog& operator=(const PipeWatchdog&) = delete;

  bool Fired() const { return fired_; }

 private:
  void Watch(std::chrono::seconds after) {
    std::unique_lock<std::mutex> lock(mutex_);
    if (wake_.wait_for(lock, after, [this] { return stopped_; })) return;
    fired_ = true;
    for (const std::string& pipe : pipes_) {
      const int fd = ::open(pipe.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
      if (fd >= 0) opened_.push_back(fd);
    }
  }

  std::vector<std::string> pipes_;
  std::mutex mutex_;
  std::condition_variable wake_;
  bool stopped_ = false;
  std::atomic<bool> fired_{false};
  std::vector<int> opened_;
  std::thread thread_;
};

// The user at the print dialog: chooses Qt's PDF output, types the name
// into the file box and presses Return; answers every message box as one
// who goes along (Yes where it asks, else OK); and presses Escape when the
// dialog is there again after a message, or still there a while after
// Return with none.
class UserAtTheDialog {
 public:
  UserAtTheDialog(QString name, QString screenshot)
      : name_(std::move(name)), screenshot_(std::move(screenshot)) {
    QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] { Poll(); });
    timer_.start(20);
  }
  bool shown = false;
  QStringList messages;     // the texts of the message boxes, in order
  bool stayedOpen = false;  // the dialog was there again after a message
  QString nameWhenBack;     // the file box then
  bool silent = false;      // still there long after Return, with no message
  bool pictured = false;

 private:
  void Poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr) return;
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
      if (answered_ == box) return;  // answered, not yet closed
      answered_ = box;
      if (!screenshot_.isEmpty() && messages.isEmpty()) {
        QApplication::processEvents();
        pictured = QApplication::primaryScreen()->grabWindow(0).save(screenshot_);
      }
      messages.push_back(box->text());
      QAbstractButton* yes = box->button(QMessageBox::Yes);
      QAbstractButton* answer = yes != nullptr ? yes : box->button(QMessageBox::Ok);
      Later([box, answer] { answer != nullptr ? answer->click() : box->reject(); }, box);
      return;
    }
    auto* dialog = qobject_cast<QPrintDialog*>(modal);
    if (dialog == nullptr) return;
    if (!shown) {
      shown = true;
      if (auto* list = dialog->findChild<QComboBox*>(QStringLiteral("printers"))) {
        list->setCurrentIndex(list->findText(QStringLiteral("Print to File (PDF)")));
      }
      if (auto* box = dialog->findChild<QLineEdit*>(QStringLiteral("filename"))) {
        box->selectAll();
        QTest::keyClicks(box, name_);
      }
      Later([dialog] { QTest::keyClick(dialog, Qt::Key_Return); }, dialog);
      return;
    }
    if (escaped_) return;
    // The dialog is back once the call that showed the message has
    // returned, and with it the box: while it runs, the box closed but not
    // yet gone, the dialog may be the active window already, in the midst
    // of its OK.
    if (answered_ != nullptr) return;
    if (!messages.isEmpty()) {
      stayedOpen = true;
      if (auto* box = dialog->findChild<QLineEdit*>(QStringLiteral("filename"))) {
        nameWhenBack = box->text();
      }
    } else if (++pollsAfterReturn_ > kPatience) {
      silent = true;
    } else {
      return;
    }
    escaped_ = true;
    Later([dialog] { QTest::keyClick(dialog, Qt::Key_Escape); }, dialog);
  }

  // Runs what the user does once this poll has returned: a window it opens
  // (a message, a question) runs an event loop of its own, in which this
  // timer fires only once its poll has returned.
  static void Later(std::function<void()> act, QObject* window) {
    QTimer::singleShot(0, window, std::move(act));
  }

  static constexpr int kPatience = 100;  // polls of 20 ms
  QString name_;
  QString screenshot_;
  int pollsAfterReturn_ = 0;
  QPointer<QMessageBox> answered_;
  bool escaped_ = false;
  QTimer timer_;
};

// What a folder holds, by name: "file", "empty file", "folder", "pipe",
// "socket", "link to <target>" (as the link reads), "other".
QMap<QString, QString> Holdings(const QString& folder) {
  QMap<QString, QString> held;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder.toStdString())) {
    const fs::path& p = entry.path();
    QString what = QStringLiteral("other");
    switch (fs::symlink_status(p).type()) {
      case fs::file_type::symlink:
        what = QStringLiteral("link to ") + QString::fromStdString(fs::read_symlink(p).string());
        break;
      case fs::file_type::regular:
        what = fs::file_size(p) == 0 ? QStringLiteral("empty file") : QStringLiteral("file");
        break;
      case fs::file_type::directory: what = QStringLiteral("folder"); break;
      case fs::file_type::fifo: what = QStringLiteral("pipe"); break;
      case fs::file_type::socket: what = QStringLiteral("socket"); break;
      default: break;
    }
    held.insert(QString::fromStdString(p.filename().string()), what);
  }
  return held;
}

// The pipes among them, as paths.
std::vector<std::string> PipesIn(const QString& folder) {
  std::vector<std::string> pipes;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder.toStdString())) {
    if (fs::symlink_status(entry.path()).type() == fs::file_type::fifo) {
      pipes.push_back(entry.path().string());
    }
  }
  return pipes;
}

bool Link(const QString& target, const QString& link) {
  return ::symlink(QFile::encodeName(target).constData(), QFile::encodeName(link).constData()) == 0;
}

bool Pipe(const QString& path) {
  return ::mkfifo(QFile::encodeName(path).constData(), 0644) == 0;
}

bool Socket(const QString& path) {
  const QByteArray name = QFile::encodeName(path);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  if (static_cast<std::size_t>(name.size()) >= sizeof address.sun_path) return false;
  std::memcpy(address.sun_path, name.constData(), static_cast<std::size_t>(name.size()));
  const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
  if (fd < 0) return false;
  const bool bound = ::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
  ::close(fd);
  return bound;
}

bool OldFile(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::WriteOnly) && f.write("an earlier file\n") == 16;
}

// The PDF file that the printable names lead to.
constexpr const char* kReport = "report.pdf";

// A name typed in the dialog's file box and what stands there beforehand,
// made in the folder; it returns the name to type (empty where it could
// not be made).
struct NameCase {
  const char* what;
  std::function<QString(const QDir&)> make;
  bool refused;
};

const std::vector<NameCase>& NameCases() {
  static const std::vector<NameCase> cases = {
      {"new file", [](const QDir& d) { return d.filePath(kReport); }, false},
      {"existing file",
       [](const QDir& d) { return OldFile(d.filePath(kReport)) ? d.filePath(kReport) : QString(); },
       false},
      {"link to a missing file",
       [](const QDir& d) {
         return Link(kReport, d.filePath("link.pdf")) ? d.filePath("link.pdf") : QString();
       },
       false},
      {"links to a missing file",
       [](const QDir& d) {
         return Link("mid.pdf", d.filePath("link.pdf")) && Link(kReport, d.filePath("mid.pdf"))
                    ? d.filePath("link.pdf")
                    : QString();
       },
       false},
      {"link to an existing file",
       [](const QDir& d) {
         return OldFile(d.filePath(kReport)) && Link(d.filePath(kReport), d.filePath("link.pdf"))
                    ? d.filePath("link.pdf")
                    : QString();
       },
       false},
      {"pipe",
       [](const QDir& d) { return Pipe(d.filePath(kReport)) ? d.filePath(kReport) : QString(); },
       true},
      {"link to a pipe",
       [](const QDir& d) {
         return Pipe(d.filePath("pipe")) && Link("pipe", d.filePath("link.pdf"))
                    ? d.filePath("link.pdf")
                    : QString();
       },
       true},
      {"folder", [](const QDir& d) { return d.mkdir(kReport) ? d.filePath(kReport) : QString(); },
       true},
      {"link to a folder",
       [](const QDir& d) {
         return d.mkdir("sub") && Link("sub", d.filePath("link.pdf")) ? d.filePath("link.pdf")
                                                                      : QString();
       },
       true},
      {"device", [](const QDir&) { return QStringLiteral("/dev/null"); }, true},
      {"link to a device",
       [](const QDir& d) {
         return Link("/dev/null", d.filePath("link.pdf")) ? d.filePath("link.pdf") : QString();
       },
       true},
      {"socket",
       [](const QDir& d) { return Socket(d.filePath(kReport)) ? d.filePath(kReport) : QString(); },
       true},
      {"loop of links",
       [](const QDir& d) {
         return Link("loop.pdf", d.filePath("link.pdf")) && Link("link.pdf", d.filePath("loop.pdf"))
                    ? d.filePath("link.pdf")
                    : QString();
       },
       true},
  };
  return cases;
}

// The report host of the tests with Qt's print dialog.
class QtDialogReportHost : public testing::FakeReportHost {
 public:
  QtPrinterDialogService qtDialog;
  PrinterDialogService& PrinterDialog() override { return qtDialog; }
};

}  // namespace

class PrinterDialogNameTest : public QObject {
  Q_OBJECT

 private slots:
  void nameInTheFileBox_data() {
    QTest::addColumn<int>("index");
    for (std::size_t i = 0; i < NameCases().size(); ++i) {
      QTest::newRow(NameCases()[i].what) << static_cast<int>(i);
    }
  }

  // The Print command through the dialog with the name typed in its file
  // box and Return pressed.
  void nameInTheFileBox() {
    QFETCH(int, index);
    const NameCase& c = NameCases()[static_cast<std::size_t>(index)];
    QTemporaryDir tmp;
    QVERIFY(tmp.isValid());
    const QDir dir(tmp.path());
    const QString name = c.make(dir);
    QVERIFY(!name.isEmpty());
    const QMap<QString, QString> before = Holdings(dir.path());
    // The message over the dialog, as the screen shows it.
    const QString screenshot = QLatin1String(c.what) == QLatin1String("pipe")
                                   ? testing::OutputPath("print_dialog_refused_name.png")
                                   : QString();

    DesignState ds = testing::ShippedProject();
    QtDialogReportHost host;
    host.keepPdf = true;
    bool waited = false;
    UserAtTheDialog user(name, screenshot);
    {
      const PipeWatchdog watchdog(PipesIn(dir.path()), std::chrono::seconds(5));
      PrintReport(ds, host);
      waited = watchdog.Fired();
    }
    QVERIFY(user.shown);
    QVERIFY2(!waited, "the print dialog waited for a reader of a pipe");
    QVERIFY(!user.silent);
    // The program's own messages after the dialog: none.
    QVERIFY2(host.messages.isEmpty(), qPrintable(host.messages.join(" | ")));

    QMap<QString, QString> after = before;
    if (c.refused) {
      // The program's message, as its message box shows it.
      QCOMPARE(user.messages, QStringList({KeepFormulasTogether("can't print - " + name)}));
      QVERIFY(user.stayedOpen);
      QVERIFY(host.ended.isEmpty());
      if (!screenshot.isEmpty()) QVERIFY(user.pictured);
    } else {
      // Only Qt's question whether to replace a file that is there.
      const bool there = before.value(kReport) == "file";
      QCOMPARE(user.messages.size(), qsizetype(there ? 1 : 0));
      if (there) QVERIFY(user.messages[0].contains("already exists"));
      QVERIFY(!user.stayedOpen);
      QCOMPARE(host.ended, QStringList({name}));
      QCOMPARE(testing::PdfPages(dir.filePath(kReport)), 1);
      // The name is offered again as it was chosen.
      QCOMPARE(host.printer.OfferedPdfFile(ds.filename), name);
      after.insert(kReport, "file");
    }
    QCOMPARE(Holdings(dir.path()), after);
  }

  // A link to a file in a folder that is not there: Qt's own check refuses
  // the file the link leads to, and the dialog, open again, shows the name
  // as it was typed. Nothing is made.
  void linkQtCannotWriteThrough() {
    QTemporaryDir tmp;
    QVERIFY(tmp.isValid());
    const QDir dir(tmp.path());
    const QString name = dir.filePath("link.pdf");
    QVERIFY(Link("missing/report.pdf", name));
    const QMap<QString, QString> before = Holdings(dir.path());

    DesignState ds = testing::ShippedProject();
    QtDialogReportHost host;
    host.keepPdf = true;
    UserAtTheDialog user(name, QString());
    PrintReport(ds, host);
    QVERIFY(user.shown);
    QCOMPARE(user.messages.size(), qsizetype(1));
    QVERIFY2(user.messages[0].contains("is not writable"), qPrintable(user.messages[0]));
    QVERIFY(user.stayedOpen);
    QCOMPARE(user.nameWhenBack, name);
    QVERIFY(host.messages.isEmpty());
    QVERIFY(host.ended.isEmpty());
    QCOMPARE(Holdings(dir.path()), before);
  }
};

TAMREL_GUI_TEST(PrinterDialogNameTest);

}  // namespace tamrel

#include "printer_dialog_xvfb_test.moc"
