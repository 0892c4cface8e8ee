// The started program under a window manager (openbox on Xvfb) on desktops
// other than the usual one, one test class for each: each is run on the X
// screen, resources and manager configuration of its own test
// registration (tests/gui/CMakeLists.txt), and checks first that it has
// them. A screen smaller than the main window; a desktop scaled to 150 %
// (Xft.dpi 144); a manager's rule that opens the program maximized.
// Screenshots of the small screens go to the screenshots folder.

#include <QApplication>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <algorithm>
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

  // Each section dialog opens beside the main window by its factor, moved
  // only as far as it takes to keep it on the screen: one that fits into
  // the available area lies wholly inside it (the trapezoid dialogs, which
  // line up with the main window's right edge, past the screen's, keep
  // their buttons on it); one larger than the area keeps its top-left
  // corner inside it, and stays wholly inside along a side that fits.
  void theSectionDialogsStandOnTheScreen() {
    StartedWindow s;
    QVERIFY(s.active);
    TamrelWindow& w = s.w();
    const QRect area = w.screen()->availableGeometry();
    QVERIFY(QTest::qWaitFor(
        [&] { return HasWindowFrame(&w) && OuterRectangle(&w).size() == w.DesignOuterSize(); }));
    // Along one side: the factor's place, not past the far edge where the
    // dialog fits, never before the near one.
    const auto along = [](double at, int size, int from, int length) {
      return size > length ? from : std::clamp(at, double(from), double(from + length - size));
    };
    int movedIn = 0;
    for (const Member m : {Member::Stiffener, Member::RingFrame}) {
      for (int code = 0; code < 10; ++code) {
        SectionDialog* d = OpenDialog(s, m, code);
        QVERIFY(d != nullptr);
        QWidget* window = d->Window();
        const QString name = QString::fromLatin1(d->Entry().name);
        QRect outer;
        QPointF off;
        const bool placed = QTest::qWaitFor([&] {
          outer = OuterRectangle(window);
          if (!HasWindowFrame(window)) return false;
          const QPointF factor =
              outer.topLeft() - Misplacement(OuterRectangle(&w), outer, d->Entry().f);
          off = QPointF(outer.x() - along(factor.x(), outer.width(), area.x(), area.width()),
                        outer.y() - along(factor.y(), outer.height(), area.y(), area.height()));
          return std::abs(off.x()) <= 1.0 && std::abs(off.y()) <= 1.0;
        });
        QVERIFY2(placed,
                 qPrintable(name + " stands at " + Describe(outer) + " on " + Describe(area) +
                            QStringLiteral(", %1, %2 px off its place").arg(off.x()).arg(off.y()) +
                            ", main window " + Describe(OuterRectangle(&w))));
        if (std::abs(Misplacement(OuterRectangle(&w), outer, d->Entry().f).x()) > 1.0) ++movedIn;
        if (outer.width() <= area.width() && outer.height() <= area.height()) {
          for (const QPushButton* b : window->findChildren<QPushButton*>()) {
            if (!b->isVisibleTo(window)) continue;
            const QRect on(b->mapToGlobal(QPoint(0, 0)), b->size());
            QVERIFY2(area.contains(on), qPrintable(name + ": button \"" + b->text() + "\" at " +
                                                   Describe(on) + " off the screen"));
          }
        }
        if (name == QLatin1String("stiffusp")) {
          testing::ShootScreen(qPrintable("small_screen_" + ScreenName(&w) + "_stiffusp.png"));
        }
        d->Unload(SectionDialog::CloseReason::ProjectOpened);
        QCoreApplication::processEvents();
      }
    }
    // On this screen some dialogs' factor places run past its edge.
    QVERIFY2(movedIn > 0, "no dialog was moved onto the screen");
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
