#include "platform/desktop.h"

#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>
#include <QScreen>
#include <QStandardPaths>
#include <QWidget>
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
// frame stands round it, runs its handler once and goes.
class FrameWatcher : public QObject {
 public:
  FrameWatcher(QWidget* window, std::function<void()> run)
      : QObject(window), window_(window), run_(std::move(run)) {
    window->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched != window_ || !run_) return false;
    switch (event->type()) {
      case QEvent::Show:
      case QEvent::Move:
      case QEvent::Resize:
      case QEvent::WindowActivate:
        // The window system reports its frame with one of these.
        if (HasWindowFrame(window_)) {
          const std::function<void()> run = std::move(run_);
          run_ = nullptr;
          window_->removeEventFilter(this);
          deleteLater();
          run();
        }
        break;
      default: break;
    }
    return false;
  }

 private:
  QWidget* window_;
  std::function<void()> run_;
};

}  // namespace

bool HasWindowFrame(const QWidget* window) {
  const QRect frame = window->frameGeometry();
  const QRect inner = window->geometry();
  return frame != inner && frame.contains(inner);
}

void WhenFramed(QWidget* window, std::function<void()> run) {
  if (window == nullptr) return;
  new FrameWatcher(window, std::move(run));
}

void CentreOnScreen(QWidget* window) {
  const QRect s = QueryScreen(window).geometry;
  const QSize outer = window->frameGeometry().size();
  // move() places a window's frame.
  window->move(s.x() + (s.width() - outer.width()) / 2, s.y() + (s.height() - outer.height()) / 2);
}

}  // namespace tamrel
