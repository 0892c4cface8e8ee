// The started program under a window manager (openbox on Xvfb) on desktops
// other than the usual one, one test class for each: each is run on the X
// screen, resources and manager configuration of its own test
// registration (tests/gui/CMakeLists.txt). A manager's rule that opens the
// program maximized.

#include <QApplication>
#include <QScreen>
#include <QTest>
#include <functional>

#include "main_window_fixture.h"
#include "platform/desktop.h"
#include "window_manager_user.h"

namespace tamrel {

using testing::StartedWindow;

namespace {

QString Describe(const QRect& r) {
  return QStringLiteral("%1,%2 %3 x %4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

}  // namespace

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

TAMREL_GUI_TEST(MaximizeRulePlacementTest);

}  // namespace tamrel

#include "screen_placement_wm_xvfb_test.moc"
