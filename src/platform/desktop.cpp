#include "platform/desktop.h"

#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>
#include <QWidget>
#include <QWindow>
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

// Watches its window for the first event after which the window system's
// frame stands round it and places the window then. A window manager that
// is still settling the frame may put the request off its mark (under load
// it can take the point asked for the frame as the client area's): the
// window is then looked at every kPollMs and placed again whenever it has
// stood off the mark for a while, until it has stood where it was put for
// kStoodPolls looks in a row, or kPolls looks have passed; then it is left
// alone.
class FramePlacer : public QObject {
 public:
  FramePlacer(QWidget* window, std::function<QRect()> place)
      : QObject(window), window_(window), place_(std::move(place)) {
    window->installEventFilter(this);
    poll_.setInterval(kPollMs);
    connect(&poll_, &QTimer::timeout, this, [this] { Look(); });
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched != window_ || placed_) return false;
    switch (event->type()) {
      case QEvent::Show:
      case QEvent::Move:
      case QEvent::Resize:
      case QEvent::WindowActivate:
        // The window system reports its frame with one of these.
        if (!HasWindowFrame(window_)) break;
        placed_ = true;
        window_->removeEventFilter(this);
        Place();
        poll_.start();
        break;
      default: break;
    }
    return false;
  }

 private:
  static constexpr int kPollMs = 50;
  static constexpr int kPolls = 200;        // ten seconds at the most
  static constexpr int kStoodPolls = 4;     // where it was put for 200 ms
  static constexpr int kPatiencePolls = 4;  // a request is given 200 ms

  // Both records of the frame, the window system's and the widget's, show
  // the outer rectangle asked for.
  bool Stands() const {
    return HasWindowFrame(window_) && OuterRectangle(window_) == asked_ &&
           window_->frameGeometry() == asked_;
  }

  void Place() {
    asked_ = place_();
    sinceAsked_ = 0;
  }

  void Look() {
    ++polls_;
    ++sinceAsked_;
    if (Stands()) {
      if (++stood_ >= kStoodPolls) Done();
      return;
    }
    stood_ = 0;
    if (polls_ >= kPolls) {
      Done();
    } else if (sinceAsked_ >= kPatiencePolls && HasWindowFrame(window_)) {
      Place();
    }
  }

  void Done() {
    poll_.stop();
    deleteLater();
  }

  QWidget* window_;
  std::function<QRect()> place_;
  QTimer poll_;
  QRect asked_;
  bool placed_ = false;
  int polls_ = 0;
  int sinceAsked_ = 0;
  int stood_ = 0;
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

void PlaceWhenFramed(QWidget* window, std::function<QRect()> place) {
  if (window == nullptr) return;
  new FramePlacer(window, std::move(place));
}

void MoveFrameTo(QWidget* window, QPoint topLeft) {
  // move() places a window's frame. The window system's record of the
  // frame is brought up to date first: a record that a change of the frame
  // has made stale would place the client area there instead.
  if (QWindow* handle = window->windowHandle()) handle->frameMargins();
  window->move(topLeft);
}

QRect CentreOnScreen(QWidget* window) {
  const QRect s = QueryScreen(window).geometry;
  const QSize outer = OuterRectangle(window).size();
  const QPoint at(s.x() + (s.width() - outer.width()) / 2,
                  s.y() + (s.height() - outer.height()) / 2);
  MoveFrameTo(window, at);
  return QRect(at, outer);
}

}  // namespace tamrel
