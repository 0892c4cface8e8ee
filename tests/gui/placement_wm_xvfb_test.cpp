// The started program under a window manager (openbox on Xvfb), where
// windows have frames and title bars that the window system puts round
// them only once they are shown. The twenty section dialogs open centred
// vertically on the main window and moved horizontally by their factor,
// both measured on the outer frames, with their client area at the design
// size and every control whole and apart; the question before a changed
// project is dropped is the program's own message box. Screenshots of the
// screen with two placed dialogs and with the question go to the
// screenshots folder.

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <cmath>

#include "dialogs/section_dialog.h"
#include "layout_check.h"
#include "main_window_fixture.h"
#include "platform/desktop.h"

namespace tamrel {

using testing::StartedWindow;

namespace {

void ShootScreen(const char* name) {
  QCoreApplication::processEvents();
  const QPixmap screen = QGuiApplication::primaryScreen()->grabWindow(0);
  QVERIFY(!screen.isNull());
  QVERIFY(screen.save(QDir(TAMREL_SCREENSHOT_DIR).filePath(QString::fromLatin1(name))));
}

// The section dialog of a member's code, shown as the profile buttons do,
// once it is active and framed.
SectionDialog* OpenDialog(StartedWindow& s, Member m, int code) {
  (m == Member::Stiffener ? s.ds.stifftype : s.ds.ringtype) = static_cast<std::int16_t>(code);
  if (m == Member::Stiffener) {
    s.w().SectionDialogSet().ShowStiffDialog();
  } else {
    s.w().SectionDialogSet().ShowRingDialog();
  }
  SectionDialog* d = s.w().SectionDialogSet().Existing(m, code);
  if (d == nullptr || d->Window() == nullptr) return nullptr;
  QWidget* window = d->Window();
  if (!QTest::qWaitFor([&] {
        return QApplication::activeWindow() == window &&
               window->frameGeometry() != window->geometry();
      })) {
    return nullptr;
  }
  return d;
}

// How far the dialog's outer frame stands from where the placement puts it:
// Top = main Top + (main Height / 2 - dialog Height / 2) and Left = main
// Left + f x (main Width - dialog Width), on the outer rectangles.
QPointF Misplacement(const QRect& main, const QRect& dialog, float f) {
  const double top = main.y() + (main.height() / 2.0 - dialog.height() / 2.0);
  const double left = main.x() + static_cast<double>(f) * (main.width() - dialog.width());
  return {dialog.x() - left, dialog.y() - top};
}

}  // namespace

class PlacementWmXvfbTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QLocale::setDefault(QLocale::c()); }

  // The first dialog is opened as soon as the main window is active, when
  // its frame may still be unknown; each stands within a pixel of its place.
  void everyDialogIsPlacedOnTheOuterFrames() {
    StartedWindow s;
    QVERIFY(s.active);
    TamrelWindow& w = s.w();
    for (const Member m : {Member::Stiffener, Member::RingFrame}) {
      for (int code = 0; code < 10; ++code) {
        SectionDialog* d = OpenDialog(s, m, code);
        QVERIFY(d != nullptr);
        QWidget* window = d->Window();
        QPointF off;
        const bool placed = QTest::qWaitFor([&] {
          off = Misplacement(w.frameGeometry(), window->frameGeometry(), d->Entry().f);
          return std::abs(off.x()) <= 1.0 && std::abs(off.y()) <= 1.0;
        });
        QVERIFY2(placed, qPrintable(QStringLiteral("%1 stands %2, %3 px off its place")
                                        .arg(QLatin1String(d->Entry().name))
                                        .arg(off.x())
                                        .arg(off.y())));
        const std::string name = d->Entry().name;
        if (name == "stifflb" || name == "girdusp") {
          ShootScreen(("placed_" + name + ".png").c_str());
        }
        d->Unload(SectionDialog::CloseReason::ProjectOpened);
        QCoreApplication::processEvents();
      }
    }
  }

  // The design size of the client area, in the toolkit's fonts and frames,
  // with nothing cut off; the stiffener flat-bar table alone takes its width
  // from its frame (1.06 times it).
  void everyDialogHasItsDesignSize() {
    StartedWindow s;
    QVERIFY(s.active);
    for (const Member m : {Member::Stiffener, Member::RingFrame}) {
      for (int code = 0; code < 10; ++code) {
        SectionDialog* d = OpenDialog(s, m, code);
        QVERIFY(d != nullptr);
        QWidget* window = d->Window();
        const DialogEntry& e = d->Entry();
        const QString name = QString::fromLatin1(e.name);
        QVERIFY2(window->height() == TwipsToPixels(e.heightTwips, 96),
                 qPrintable(name + QStringLiteral(" is %1 px high").arg(window->height())));
        if (name != QLatin1String("stifff")) {
          QVERIFY2(window->width() == TwipsToPixels(e.widthTwips, 96),
                   qPrintable(name + QStringLiteral(" is %1 px wide").arg(window->width())));
        }
        const QStringList faults = testing::LayoutFaults(window);
        QVERIFY2(faults.isEmpty(), qPrintable(name + ": " + faults.join("; ")));
        d->Unload(SectionDialog::CloseReason::ProjectOpened);
        QCoreApplication::processEvents();
      }
    }
  }

  // New with a changed project: the desktop's box, titled and drawn as the
  // program's other messages, asks with Yes, No and Cancel; Escape is
  // Cancel and keeps the project.
  void theQuestionIsTheProgramsOwnMessageBox() {
    StartedWindow s;
    QVERIFY(s.active);
    TamrelWindow& w = s.w();
    s.Type("icylr", "4000");
    s.LeaveTo("it");
    s.messages.realQuestions = true;
    bool seen = false;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (box == nullptr || !box->isActiveWindow() || seen) return;
      seen = true;
      QCOMPARE(box->windowTitle(), QString("Tamrel DNV"));
      QCOMPARE(box->icon(), QMessageBox::Warning);
      QCOMPARE(box->standardButtons(), QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
      QCOMPARE(box->defaultButton(), box->button(QMessageBox::Yes));
      QCOMPARE(box->text(), QString("The project has changed. Save the changes to New File?"));
      QTest::qWait(200);  // drawn and framed
      ShootScreen("question_save_changes.png");
      QTest::keyClick(box, Qt::Key_Escape);
    });
    timer.start(20);
    w.MenuItem("mnunew")->trigger();
    timer.stop();
    QVERIFY(seen);
    QCOMPARE(s.messages.asked.size(), 1);
    QCOMPARE(s.ds.cylr, 4000.0f);
    QCOMPARE(s.box("icylr")->text(), QString("4000"));
  }
};

TAMREL_GUI_TEST(PlacementWmXvfbTest);

}  // namespace tamrel

#include "placement_wm_xvfb_test.moc"
