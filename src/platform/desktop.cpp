#include "platform/desktop.h"

#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>
#include <QMargins>
#include <QPointer>
#include <QScreen>
#include <QStandardPaths>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <cmath>

namespace tamrel {

ScreenInfo QueryScreen(const QWidget* widget) {
  const QScreen* screen = widget ? widget->screen() : nullptr;
  if (!screen) screen = QGuiApplication::primaryScreen();
  ScreenInfo info;
  if (screen) {
    info.dpiX = static_cast<int>(std::lround(screen->logicalDotsPerInchX()));
    info.dpiY = static_cast<int>(std::lround(screen->logicalDotsPerInchY()));
    info.geometry = screen->geometry();
    info.available = screen->availableGeometry();
  }
  return info;
}

QString LocaleOnePointOne() {
  return QLocale().toString(1.1, 'f', 1);
}

QString DocumentsFolder() {
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (!documents.isEmpty() && QFileInfo(documents).isDir()) return documents;
  return QDir::homePath();
}

int TwipsToPixels(double twips, double dpi) {
  return static_cast<int>(std::lround(twips * dpi / 1440.0));
}

namespace {

// Watches its window until the window system has put its frame round it
// and shown it, and places it then, once. The manager frames a new window
// before it shows it, and what it does with the window first (its own
// placement, a rule that maximizes it) is reported before the window is
// shown too: a request made earlier, while the frame is still settling,
// may land off its mark or undo what the manager did.
class FramePlacer : public QObject {
 public:
  FramePlacer(QWidget* window, std::function<void()> place)
      : QObject(window), window_(window), place_(std::move(place)) {
    window->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == window_) {
      switch (event->type()) {
        case QEvent::Show:
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::WindowActivate:
        case QEvent::WindowStateChange: Look(); break;
        default: break;
      }
    } else if (watched == handle_ && event->type() == QEvent::Expose) {
      Look();
    }
    return false;
  }

 private:
  void Look() {
    // The window system's window, once it exists: its showing on the
    // screen is reported to it.
    if (handle_ == nullptr && window_->windowHandle() != nullptr) {
      handle_ = window_->windowHandle();
      handle_->installEventFilter(this);
    }
    if (handle_ == nullptr || !handle_->isExposed() || !HasWindowFrame(window_)) return;
    Done();
    // Maximized, full screen or minimized: the manager's size and place.
    const Qt::WindowStates managers =
        Qt::WindowMaximized | Qt::WindowFullScreen | Qt::WindowMinimized;
    if ((window_->windowState() & managers) == 0) place_();
  }

  void Done() {
    window_->removeEventFilter(this);
    if (handle_ != nullptr) handle_->removeEventFilter(this);
    deleteLater();
  }

  QWidget* window_;
  QPointer<QWindow> handle_;
  std::function<void()> place_;
};

}  // namespace

QRect OuterRectangle(const QWidget* window) {
  // The window system's own record, brought up to date where a change of
  // the frame has made it stale; the widget's copy may lag behind it.
  if (const QWindow* handle = window->windowHandle()) return handle->frameGeometry();
  return window->frameGeometry();
}

bool HasWindowFrame(const QWidget* window) {
  const QRect frame = OuterRectangle(window);
  const QWindow* handle = window->windowHandle();
  const QRect inner = handle != nullptr ? handle->geometry() : window->geometry();
  // A title bar or border above the client area: a frame reported with
  // none there is the manager's frame still being put round the window.
  return frame.top() < inner.top() && frame.contains(inner);
}

void PlaceWhenFramed(QWidget* window, std::function<void()> place) {
  if (window == nullptr) return;
  new FramePlacer(window, std::move(place));
}

void PlaceFrame(QWidget* window, QPoint topLeft, QSize client) {
  QWindow* handle = window->windowHandle();
  if (handle == nullptr || !window->isVisible()) {
    // Not on the screen yet: no frame is known; the position is the
    // frame's as far as the window system will put one round it.
    window->resize(client);
    window->move(topLeft);
    return;
  }
  // The client area's place, worked out from the frame as the window
  // system records it now: the widget's own copy of the frame may be one
  // taken while the manager was still framing the window, and a move by
  // the frame's point would then put the client area there instead.
  const QMargins frame = handle->frameMargins();
  window->setGeometry(QRect(topLeft + QPoint(frame.left(), frame.top()), client));
}

void MoveFrameTo(QWidget* window, QPoint topLeft) {
  PlaceFrame(window, topLeft, window->size());
}

QPoint KeepOnScreen(const QRect& outer, const QRect& available) {
  // Along each side: not past the far edge where it fits, never before
  // the near one.
  const auto along = [](int at, int size, int from, int length) {
    return std::max(from, std::min(at, from + length - size));
  };
  return {along(outer.x(), outer.width(), available.x(), available.width()),
          along(outer.y(), outer.height(), available.y(), available.height())};
}

void CentreOnScreen(QWidget* window) {
  const ScreenInfo screen = QueryScreen(window);
  const QRect& s = screen.geometry;
  const QSize outer = OuterRectangle(window).size();
  const QPoint at(s.x() + (s.width() - outer.width()) / 2,
                  s.y() + (s.height() - outer.height()) / 2);
  MoveFrameTo(window, KeepOnScreen(QRect(at, outer), screen.available));
}

}  // namespace tamrel
