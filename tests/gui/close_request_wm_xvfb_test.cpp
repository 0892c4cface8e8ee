// The started program under a window manager (openbox on Xvfb): the
// manager's close request for the main window, as its close box sends it,
// while a file command waits for an answer. Whatever is up, the question
// whether to save, the save dialog after its "Yes" or a message of the
// command, and also just after the answer, before the command has it, the
// request ends nothing: Cancel then keeps the window and the change. The main window, the about box
// and the two information pictures stand where their outer frames belong once the manager has
// framed them.

#include <xcb/xcb.h>

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <cstdlib>
#include <functional>

#include "files/project_file.h"
#include "main_window_fixture.h"
#include "mainwindow/layout.h"
#include "platform/desktop.h"
#include "platform/file_dialog.h"

namespace tamrel {

using testing::StartedWindow;

namespace {

// What the close box of the manager's frame does: the manager is asked to
// close the window (_NET_CLOSE_WINDOW on the root window) and sends the
// window its WM_DELETE_WINDOW request.
void RequestCloseByWindowManager(QWidget* window) {
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  QVERIFY(x11 != nullptr);
  xcb_connection_t* c = x11->connection();
  const char name[] = "_NET_CLOSE_WINDOW";
  xcb_intern_atom_reply_t* atom =
      xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, sizeof name - 1, name), nullptr);
  QVERIFY(atom != nullptr);
  const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
  xcb_client_message_event_t e{};
  e.response_type = XCB_CLIENT_MESSAGE;
  e.format = 32;
  e.window = static_cast<xcb_window_t>(window->winId());
  e.type = atom->atom;
  e.data.data32[0] = XCB_CURRENT_TIME;
  e.data.data32[1] = 2;  // on the user's behalf
  std::free(atom);
  xcb_send_event(c, 0, screen->root,
                 XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                 reinterpret_cast<const char*>(&e));
  xcb_flush(c);
}

// While a modal window of the wanted kind is up and active: the manager's
// close request for the main window, time for it to arrive and be handled,
// then what stands, then the modal window's own answer (a key).
struct CloseWhileUp {
  std::function<bool(QWidget*)> wanted;
  Qt::Key answer;
  int requests = 1;
  bool seen = false;
  bool stillUp = false;
  bool windowShown = false;
  int endedMeanwhile = -1;

  void Arm(StartedWindow& s, QTimer& timer) {
    QObject::connect(&timer, &QTimer::timeout, [this, &s] {
      QWidget* modal = QApplication::activeModalWidget();
      if (seen || modal == nullptr || !modal->isActiveWindow() || !wanted(modal)) return;
      seen = true;
      QTest::qWait(200);  // drawn and framed
      for (int i = 0; i < requests; ++i) {
        RequestCloseByWindowManager(&s.w());
        QTest::qWait(500);
      }
      stillUp = QApplication::activeModalWidget() == modal && modal->isVisible();
      windowShown = s.w().isVisible();
      endedMeanwhile = s.programEnded;
      if (stillUp) QTest::keyClick(modal, answer);
    });
    timer.start(20);
  }
};

bool IsQuestion(QWidget* w) {
  auto* box = qobject_cast<QMessageBox*>(w);
  return box != nullptr && box->standardButtons().testFlag(QMessageBox::Cancel);
}

bool IsMessage(QWidget* w) {
  auto* box = qobject_cast<QMessageBox*>(w);
  return box != nullptr && !box->standardButtons().testFlag(QMessageBox::Cancel);
}

bool IsSaveDialog(QWidget* w) {
  auto* d = qobject_cast<QFileDialog*>(w);
  return d != nullptr && d->acceptMode() == QFileDialog::AcceptSave;
}

// How far a window's outer frame stands from the centre of its screen.
QPoint OffCentre(const QWidget* w) {
  const QRect s = w->screen()->geometry();
  const QRect f = w->frameGeometry();
  return {f.x() - (s.x() + (s.width() - f.width()) / 2),
          f.y() - (s.y() + (s.height() - f.height()) / 2)};
}

bool Framed(const QWidget* w) {
  return w != nullptr && w->isVisible() && HasWindowFrame(w);
}

}  // namespace

class CloseRequestWmXvfbTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QLocale::setDefault(QLocale::c()); }

  // The manager's close request, and what is up when it comes: nothing (it
  // asks the question itself), the question of Exit, of the close box, of
  // New, the save dialog after "Yes" on a project never saved, and the
  // message of a save that failed. The request ends nothing; the answer
  // (Escape: Cancel, or OK on the message) keeps the project.
  void aCloseRequestNeverDropsAnUnansweredProject() {
    enum class Start { CloseRequest, Exit, New, SaveDialogOfExit, MessageOfExit };
    struct Case {
      const char* what;
      Start start;
      std::function<bool(QWidget*)> wanted;
      Qt::Key answer;
      int requests;
    };
    const Case cases[] = {
        {"the close request's own question", Start::CloseRequest, IsQuestion, Qt::Key_Escape, 0},
        {"a second close request at its question", Start::CloseRequest, IsQuestion, Qt::Key_Escape,
         1},
        {"Exit's question", Start::Exit, IsQuestion, Qt::Key_Escape, 1},
        {"New's question", Start::New, IsQuestion, Qt::Key_Escape, 1},
        {"Exit's save dialog after Yes", Start::SaveDialogOfExit, IsSaveDialog, Qt::Key_Escape, 1},
        {"Exit's message of a failed save", Start::MessageOfExit, IsMessage, Qt::Key_Return, 1},
    };
    for (const Case& c : cases) {
      QTemporaryDir dir;
      const QString mine = dir.filePath("sub/mine.tmr");
      StartedWindow s;
      QVERIFY(s.active);
      TamrelWindow& w = s.w();
      QtFileDialogService realDialogs;
      if (c.start == Start::MessageOfExit) {
        QVERIFY(QDir(dir.path()).mkdir("sub"));
        s.fileDialogs.answers = {mine};
        w.MenuItem("mnusaveas")->trigger();
        QCOMPARE(QString::fromStdString(s.ds.filename), mine);
      }
      s.Type("icylr", "4000");
      s.LeaveTo("it");
      const std::string file = s.ds.filename;
      switch (c.start) {
        case Start::CloseRequest:
        case Start::Exit:
        case Start::New: s.messages.realQuestions = true; break;
        case Start::SaveDialogOfExit:
          s.messages.answers = {MessageService::Answer::Yes};
          s.fileDialogs.onShow = [&] {
            s.fileDialogs.answers = {};
            const auto chosen = realDialogs.SaveFile(&w, FileDialogRequest{});
            if (chosen) s.fileDialogs.answers = {*chosen};
          };
          break;
        case Start::MessageOfExit:
          QVERIFY(QDir(dir.filePath("sub")).removeRecursively());
          s.messages.answers = {MessageService::Answer::Yes};
          s.messages.onShow = [&](const QString& text) {
            QtMessageService().ShowExclamation(&w, text);
          };
          break;
      }
      CloseWhileUp watch{c.wanted, c.answer, c.requests};
      QTimer timer;
      watch.Arm(s, timer);
      switch (c.start) {
        case Start::CloseRequest: RequestCloseByWindowManager(&w); break;
        case Start::Exit:
        case Start::SaveDialogOfExit:
        case Start::MessageOfExit: w.MenuItem("mnuexit")->trigger(); break;
        case Start::New: w.MenuItem("mnunew")->trigger(); break;
      }
      QVERIFY2(QTest::qWaitFor([&] { return watch.seen; }, 10000), c.what);
      QTest::qWait(300);
      timer.stop();
      QVERIFY2(watch.stillUp, c.what);
      QVERIFY2(watch.windowShown && watch.endedMeanwhile == 0, c.what);
      QVERIFY2(s.programEnded == 0 && w.isVisible(), c.what);
      QVERIFY2(s.messages.asked.size() == 1, c.what);
      QVERIFY2(s.ds.filename == file && s.ds.cylr == 4000.0f, c.what);
      QCOMPARE(s.box("icylr")->text(), QString("4000"));
      if (c.start == Start::MessageOfExit) {
        QCOMPARE(s.messages.shown, QStringList({"can't save file - " + mine}));
      }
      // Still changed: the next close asks again.
      s.messages.realQuestions = false;
      s.messages.onShow = nullptr;
      s.messages.answers = {MessageService::Answer::Cancel};
      w.close();
      QVERIFY2(s.messages.asked.size() == 2, c.what);
      QVERIFY2(s.programEnded == 0 && w.isVisible(), c.what);
    }
  }

  // The question of New answered (Escape: Cancel), and the manager's close
  // request handled before New has taken the answer, as when both come in
  // one batch of the window system's events: the box is gone, so the main
  // window is no longer blocked, but the command still runs. The request
  // asks nothing and ends nothing; New then keeps the project.
  void aCloseRequestRightAfterAnAnswerWaitsForTheCommand() {
    StartedWindow s;
    QVERIFY(s.active);
    TamrelWindow& w = s.w();
    s.Type("icylr", "4000");
    s.LeaveTo("it");
    s.messages.realQuestions = true;
    bool answered = false;
    qsizetype askedMeanwhile = -1;
    int endedMeanwhile = -1;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
      QWidget* modal = QApplication::activeModalWidget();
      if (answered || modal == nullptr || !modal->isActiveWindow() || !IsQuestion(modal)) return;
      answered = true;
      QTest::qWait(200);  // drawn and framed
      // Any further question is answered No at once (it would end the program).
      s.messages.realQuestions = false;
      QTest::keyClick(modal, Qt::Key_Escape);
      RequestCloseByWindowManager(&w);
      QTest::qWait(500);
      askedMeanwhile = s.messages.asked.size();
      endedMeanwhile = s.programEnded;
    });
    timer.start(20);
    w.MenuItem("mnunew")->trigger();
    timer.stop();
    QVERIFY(answered);
    QCOMPARE(askedMeanwhile, qsizetype(1));
    QCOMPARE(endedMeanwhile, 0);
    QVERIFY(s.programEnded == 0 && w.isVisible());
    QCOMPARE(s.ds.cylr, 4000.0f);
    QCOMPARE(QString::fromStdString(s.ds.filename), QString("New File"));
    QCOMPARE(s.box("icylr")->text(), QString("4000"));
  }

  // The main window's outer frame is 1024 x 768 pixels at 96 dots per inch
  // (scaled by the screen's), centred; the about box and the two
  // information pictures are centred by their outer frames too, their
  // client areas keeping their design sizes.
  void outerFramesStandWhereTheyBelong() {
    StartedWindow s;
    QVERIFY(s.active);
    TamrelWindow& w = s.w();
    const ScreenInfo screen = QueryScreen(&w);
    const WindowPlacement p = PlaceMainWindow(screen.dpiX, screen.dpiY, screen.geometry.width(),
                                              screen.geometry.height());
    const QRect outer(screen.geometry.x() + p.left, screen.geometry.y() + p.top, p.width, p.height);
    QVERIFY2(QTest::qWaitFor([&] { return Framed(&w) && w.frameGeometry() == outer; }),
             qPrintable(QString("main window frame %1,%2 %3 x %4")
                            .arg(w.frameGeometry().x())
                            .arg(w.frameGeometry().y())
                            .arg(w.frameGeometry().width())
                            .arg(w.frameGeometry().height())));

    struct Case {
      const char* what;
      std::function<QWidget*()> open;
      double widthTwips, heightTwips;
    };
    const Case cases[] = {
        {"about box",
         [&] {
           w.MenuItem("mnuabout")->trigger();
           return static_cast<QWidget*>(w.AboutWindow());
         },
         6690, 3390},
        {"InfoTAMREL",
         [&] {
           w.Picture->click();
           return w.InfoTamrelWindow();
         },
         5565, 8160},
        {"InfoUF",
         [&] {
           w.opt_wsd->click();
           w.cmd_wsd->click();
           return w.InfoUfWindow();
         },
         7515, 3885},
    };
    for (const Case& c : cases) {
      QWidget* form = c.open();
      QVERIFY2(form != nullptr, c.what);
      QPoint off;
      const bool centred = QTest::qWaitFor([&] {
        off = OffCentre(form);
        return Framed(form) && std::abs(off.x()) <= 1 && std::abs(off.y()) <= 1;
      });
      QVERIFY2(
          centred,
          qPrintable(
              QString("%1 stands %2, %3 px off the centre").arg(c.what).arg(off.x()).arg(off.y())));
      QCOMPARE(form->size(), QSize(TwipsToPixels(c.widthTwips, screen.dpiX),
                                   TwipsToPixels(c.heightTwips, screen.dpiY)));
      if (std::string(c.what) == "about box") {
        QTest::qWait(200);
        QCoreApplication::processEvents();
        const QPixmap shot = QGuiApplication::primaryScreen()->grabWindow(0);
        QVERIFY(shot.save(QDir(TAMREL_SCREENSHOT_DIR).filePath("about_box_centred.png")));
      }
      form->close();
      QCoreApplication::processEvents();
    }
    // The main window did not move meanwhile.
    QCOMPARE(w.frameGeometry(), outer);
  }
};

TAMREL_GUI_TEST(CloseRequestWmXvfbTest);

}  // namespace tamrel

#include "close_request_wm_xvfb_test.moc"
