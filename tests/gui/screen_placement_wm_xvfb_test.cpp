// The started program under a window manager (openbox on Xvfb) on desktops
// other than the usual one, one test class for each: each is run on the X
// screen, resources and manager configuration of its own test
// registration (tests/gui/CMakeLists.txt), and checks first that it has
// them. A screen smaller than the main window; a desktop scaled to 150 %
// (Xft.dpi 144); a manager's rule that opens the program maximized.
// Screenshots of the small screens go to the screenshots folder.

#include <QApplication>
#include <QScreen>
#include <QTest>
#include <cmath>
#include <functional>

#include "dialogs/section_dialog.h"
#include "main_window_fixture.h"
#include "placed_dialog.h"
#include "platform/desktop.h"
#include "window_manager_user.h"

namespace tamrel {

using testing::Misplacement;
using testing::OpenDialog;
using testing::StartedWindow;

namespace {

QString Describe(const QRect& r) {
  return QStringLiteral("%1,%2 %3 x %4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

QString ScreenName(const QWidget* w) {
  const QSize s = w->screen()->geometry().size();
  return QStringLiteral("%1x%2").arg(s.width()).arg(s.height());
}

}  // namespace

// A screen smaller than the main window (800 x 600, and 400 x 300, where
// the section dialogs are higher than the screen too).
class SmallScreenPlacementTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QLocale::setDefault(QLocale::c()); }

  // The main window keeps its outer size, 1024 x 768; its top-left corner,
  // with the title bar, the close box and the menu bar, stands at the
  // available area's.
  void theMainWindowStandsOnTheScreen() {
    StartedWindow s;
    QVERIFY(s.active);
    TamrelWindow& w = s.w();
    const QRect area = w.screen()->availableGeometry();
    QVERIFY2(
        w.DesignOuterSize().width() > area.width() && w.DesignOuterSize().height() > area.height(),
        "this test is for a screen smaller than the main window");
    const bool placed = QTest::qWaitFor(
        [&] { return HasWindowFrame(&w) && OuterRectangle(&w).size() == w.DesignOuterSize(); });
    QVERIFY2(placed, qPrintable(Describe(OuterRectangle(&w))));
    QVERIFY2(testing::StandsStill(&w, 500, 5000), qPrintable(Describe(OuterRectangle(&w))));
    QVERIFY2(OuterRectangle(&w).topLeft() == area.topLeft(),
             qPrintable(Describe(OuterRectangle(&w))));
    QCOMPARE(w.frameGeometry(), OuterRectangle(&w));
    testing::ShootScreen(qPrintable("small_screen_" + ScreenName(&w) + "_main_window.png"));
  }

  // Each section dialog that fits into the available area opens beside
  // the main window by its factor, even where that puts part of it off the
  // screen. One larger than the area keeps its top-left corner inside it,
  // and stays wholly inside along a side that fits.
  void theSectionDialogsStandOnTheScreen() {
    StartedWindow s;
    QVERIFY(s.active);
    TamrelWindow& w = s.w();
    const QRect area = w.screen()->availableGeometry();
    QVERIFY(QTest::qWaitFor(
        [&] { return HasWindowFrame(&w) && OuterRectangle(&w).size() == w.DesignOuterSize(); }));
    for (const Member m : {Member::Stiffener, Member::RingFrame}) {
      for (int code = 0; code < 10; ++code) {
        SectionDialog* d = OpenDialog(s, m, code);
        QVERIFY(d != nullptr);
        QWidget* window = d->Window();
        const QString name = QString::fromLatin1(d->Entry().name);
        QRect outer;
        const bool placed = QTest::qWaitFor([&] {
          outer = OuterRectangle(window);
          if (!HasWindowFrame(window)) return false;
          if (outer.width() <= area.width() && outer.height() <= area.height()) {
            const QPointF off = Misplacement(OuterRectangle(&w), outer, d->Entry().f);
            return std::abs(off.x()) <= 1.0 && std::abs(off.y()) <= 1.0;
          }
          return area.contains(outer.topLeft()) &&
                 (outer.width() > area.width() || area.right() >= outer.right()) &&
                 (outer.height() > area.height() || area.bottom() >= outer.bottom());
        });
        QVERIFY2(placed,
                 qPrintable(name + " stands at " + Describe(outer) + " on " + Describe(area) +
                            ", main window " + Describe(OuterRectangle(&w))));
        if (name == QLatin1String("stiffusp")) {
          testing::ShootScreen(qPrintable("small_screen_" + ScreenName(&w) + "_stiffusp.png"));
        }
        d->Unload(SectionDialog::CloseReason::ProjectOpened);
        QCoreApplication::processEvents();
      }
    }
  }
};

// A desktop scaled to 150 %: Xft.dpi 144 on a 1920 x 1080 screen, where
// the toolkit's pixel is 1.5 of the screen's.
class HighDpiPlacementTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QLocale::setDefault(QLocale::c()); }

  // The main window comes to rest: its outer frame is 1024 x 768 of the
  // toolkit's pixels (1536 x 1152 of the screen's) to within the rounding
  // of the frame, higher than the screen and so at the top of the
  // available area, centred across. A move of the user's then stays.
  void theWindowSettlesOnTheScreenAndALaterMoveStays() {
    StartedWindow s;
    QVERIFY(s.active);
    TamrelWindow& w = s.w();
    QCOMPARE(w.devicePixelRatioF(), 1.5);
    QCOMPARE(w.DesignOuterSize(), QSize(1024, 768));
    QVERIFY(QTest::qWaitFor([&] { return HasWindowFrame(&w); }));
    QVERIFY2(testing::StandsStill(&w, 1000, 8000), qPrintable(Describe(OuterRectangle(&w))));
    const QRect outer = OuterRectangle(&w);
    const QRect area = w.screen()->availableGeometry();
    const QString where = Describe(outer) + " on " + Describe(area);
    QVERIFY2(std::abs(outer.width() - 1024) <= 2 && std::abs(outer.height() - 768) <= 2,
             qPrintable(where));
    QVERIFY2(outer.y() == area.y(), qPrintable(where));
    QVERIFY2(std::abs(outer.center().x() - area.center().x()) <= 2, qPrintable(where));

    const QPoint by(-90, 60);  // the screen's pixels: 60 x 40 of the toolkit's
    QVERIFY(testing::DragTitleBar(&w, by));
    const QPoint to = outer.topLeft() + by / 1.5;
    const std::function<bool()> moved = [&] {
      const QPoint at = OuterRectangle(&w).topLeft();
      return std::abs(at.x() - to.x()) <= 1 && std::abs(at.y() - to.y()) <= 1 &&
             OuterRectangle(&w).size() == outer.size();
    };
    QVERIFY2(QTest::qWaitFor(moved), qPrintable(Describe(OuterRectangle(&w))));
    QVERIFY2(testing::KeptFor(moved, 1500),
             qPrintable("put back: " + Describe(OuterRectangle(&w))));
  }
};

// openbox with a rule that opens the program's main window maximized.
class MaximizeRulePlacementTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QLocale::setDefault(QLocale::c()); }

  // The window stays maximized, filling the available area.
  void aMaximizeRuleKeepsTheWindowMaximized() {
    StartedWindow s;
    QVERIFY(s.active);
    TamrelWindow& w = s.w();
    const std::function<bool()> maximized = [&] {
      return w.isMaximized() && HasWindowFrame(&w) &&
             OuterRectangle(&w) == w.screen()->availableGeometry();
    };
    QVERIFY2(QTest::qWaitFor(maximized), qPrintable(Describe(OuterRectangle(&w))));
    QVERIFY2(testing::KeptFor(maximized, 1500),
             qPrintable("put back: " + Describe(OuterRectangle(&w))));
  }
};

TAMREL_GUI_TEST(SmallScreenPlacementTest);
TAMREL_GUI_TEST(HighDpiPlacementTest);
TAMREL_GUI_TEST(MaximizeRulePlacementTest);

}  // namespace tamrel

#include "screen_placement_wm_xvfb_test.moc"
