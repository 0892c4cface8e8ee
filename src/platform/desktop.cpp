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
// frame stands round it, places the window, and watches on until the outer
// rectangle is the one asked for (or it has tried often enough); then goes.
class FramePlacer : public QObject {
 public:
  FramePlacer(QWidget* window, std::function<QRect()> place)
      : QObject(window), window_(window), place_(std::move(place)) {
    window->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched != window_ || done_) return false;
    switch (event->type()) {
      case QEvent::Show:
      case QEvent::Move:
      case QEvent::Resize:
      case QEvent::WindowActivate:
        // The window system reports its frame, and where the frame now
        // stands, with one of these.
        if (!HasWindowFrame(window_)) break;
        if (tries_ > 0 && Stands()) {
          Settle();
        } else if (tries_ < kTries) {
          ++tries_;
          asked_ = place_();
        } else {
          Done();
        }
        break;
      default: break;
    }
    return false;
  }

 private:
  static constexpr int kTries = 4;
  static constexpr int kSettleMs = 300;

  // Both records of the frame, the window system's and the widget's, show
  // the outer rectangle asked for.
  bool Stands() const {
    return OuterRectangle(window_) == asked_ && window_->frameGeometry() == asked_;
  }

  // The manager may still correct the frame it reported, without a move
  // of the window: looked at once more a moment later.
  void Settle() {
    if (settling_) return;
    settling_ = true;
    QTimer::singleShot(kSettleMs, this, [this] {
      settling_ = false;
      if (done_) return;
      if (Stands() || tries_ >= kTries) {
        Done();
        return;
      }
      ++tries_;
      asked_ = place_();
    });
  }

  void Done() {
    done_ = true;
    window_->removeEventFilter(this);
    deleteLater();
  }

  QWidget* window_;
  std::function<QRect()> place_;
  QRect asked_;
  int tries_ = 0;
  bool done_ = false;
  bool settling_ = false;
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
