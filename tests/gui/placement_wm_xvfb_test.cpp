// The started program under a window manager (openbox on Xvfb), where
// windows have frames and title bars that the window system puts round
// them only once they are shown. The twenty section dialogs open centred
// vertically on the main window and moved horizontally by their factor,
// both measured on the outer frames, with their client area at the design
// size and every control whole and apart; the question before a changed
// project is dropped is the program's own message box. The main window is
// placed once, as the manager shows it; where the user moves or maximizes
// it right after, it stays. Screenshots of the screen with two placed
// dialogs and with the question go to the screenshots folder.

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
#include <functional>

#include "dialogs/section_dialog.h"
#include "layout_check.h"
#include "main_window_fixture.h"
#include "placed_dialog.h"
#include "platform/desktop.h"
#include "window_manager_user.h"

namespace tamrel {

using testing::Misplacement;
using testing::OpenDialog;
using testing::ShootScreen;
using testing::StartedWindow;

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

  // Right after the main window appears, once it stands at its size, the
  // user drags it by its title bar, or maximizes it with a double click
  // there: it stays where the user put it.
  void theWindowStaysWhereTheUserPutsItRightAfterItAppears() {
    for (const bool maximize : {false, true}) {
      const char* what = maximize ? "maximized" : "moved";
      StartedWindow s;
      QVERIFY(s.active);
      TamrelWindow& w = s.w();
      QVERIFY2(QTest::qWaitFor([&] {
                 return HasWindowFrame(&w) && OuterRectangle(&w).size() == w.DesignOuterSize();
               }),
               what);
      const QPoint from = OuterRectangle(&w).topLeft();
      const QPoint by(-90, 60);
      std::function<bool()> stands;
      if (maximize) {
        QVERIFY2(testing::DoubleClickTitleBar(&w), what);
        stands = [&] {
          return w.isMaximized() && OuterRectangle(&w) == w.screen()->availableGeometry();
        };
      } else {
        QVERIFY2(testing::DragTitleBar(&w, by), what);
        stands = [&] {
          return !w.isMaximized() && OuterRectangle(&w).topLeft() == from + by &&
                 OuterRectangle(&w).size() == w.DesignOuterSize();
        };
      }
      QVERIFY2(QTest::qWaitFor(stands), what);
      const bool kept = testing::KeptFor(stands, 1500);
      QVERIFY2(kept, qPrintable(QStringLiteral("%1, then put back: frame %2,%3 %4 x %5")
                                    .arg(QLatin1String(what))
                                    .arg(OuterRectangle(&w).x())
                                    .arg(OuterRectangle(&w).y())
                                    .arg(OuterRectangle(&w).width())
                                    .arg(OuterRectangle(&w).height())));
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
