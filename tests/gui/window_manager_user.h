#pragma once
// What a user does with a window through the window manager's frame, as
// the X server's own pointer does it (xdotool, through the XTEST
// extension): dragging the window by its title bar, double-clicking the
// title bar (openbox maximizes the window). Waits that tell how a window
// stands: still for a while, or kept as it is; and a screenshot of the
// whole screen.

#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPixmap>
#include <QProcess>
#include <QRect>
#include <QScreen>
#include <QStringList>
#include <QTest>
#include <QWidget>
#include <cmath>
#include <functional>

#include "platform/desktop.h"

namespace tamrel::testing {

// The middle of the window's title bar, in the X server's pixels (the
// toolkit's pixels are larger where the desktop scales them).
inline QPoint TitleBarPoint(const QWidget* window) {
  const double scale = window->devicePixelRatioF();
  const QRect frame = OuterRectangle(window);
  const double title = window->geometry().y() - frame.y();
  return {static_cast<int>(std::lround((frame.x() + frame.width() / 2.0) * scale)),
          static_cast<int>(std::lround((frame.y() + title / 2.0) * scale))};
}

inline bool Xdotool(const QStringList& arguments) {
  QProcess p;
  p.start(QStringLiteral(TAMREL_XDOTOOL), arguments);
  return p.waitForFinished(10000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

// Presses the left button on the title bar, moves the pointer by the
// given X server pixels in two steps and lets go, a moment between the
// steps as a hand takes it: the manager starts a move only once it has
// seen the pointer leave the pressed point with the button down.
inline bool DragTitleBar(const QWidget* window, QPoint by) {
  const QPoint from = TitleBarPoint(window);
  const auto at = [&](QPoint p) {
    return QStringList{QString::number(p.x()), QString::number(p.y())};
  };
  const QList<QStringList> steps = {QStringList{"mousemove"} + at(from),
                                    {"mousedown", "1"},
                                    QStringList{"mousemove"} + at(from + by / 2),
                                    QStringList{"mousemove"} + at(from + by),
                                    {"mouseup", "1"}};
  for (const QStringList& step : steps) {
    if (!Xdotool(step)) return false;
    QTest::qWait(20);
  }
  return true;
}

inline bool DoubleClickTitleBar(const QWidget* window) {
  const QPoint at = TitleBarPoint(window);
  return Xdotool({"mousemove", QString::number(at.x()), QString::number(at.y()), "click",
                  "--repeat", "2", "--delay", "80", "1"});
}

// True once the window's outer rectangle has not changed for quietMs, at
// the latest after timeoutMs.
inline bool StandsStill(const QWidget* window, int quietMs, int timeoutMs) {
  QRect last = OuterRectangle(window);
  QElapsedTimer still;
  still.start();
  return QTest::qWaitFor(
      [&] {
        const QRect now = OuterRectangle(window);
        if (now != last) {
          last = now;
          still.restart();
        }
        return still.elapsed() >= quietMs;
      },
      timeoutMs);
}

// True while kept() holds, looked at every 20 ms for forMs: nothing has
// undone what it checks.
inline bool KeptFor(const std::function<bool()>& kept, int forMs) {
  QElapsedTimer t;
  t.start();
  while (t.elapsed() < forMs) {
    if (!kept()) return false;
    QTest::qWait(20);
  }
  return kept();
}

// The whole screen, saved to the screenshots folder under the name.
inline void ShootScreen(const char* name) {
  QCoreApplication::processEvents();
  const QPixmap screen = QGuiApplication::primaryScreen()->grabWindow(0);
  QVERIFY(!screen.isNull());
  QVERIFY(screen.save(QDir(TAMREL_SCREENSHOT_DIR).filePath(QString::fromLatin1(name))));
}

}  // namespace tamrel::testing
