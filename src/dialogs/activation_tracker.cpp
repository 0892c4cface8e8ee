#include "dialogs/activation_tracker.h"

#include <QApplication>
#include <QEvent>

namespace tamrel {

ActivationTracker::ActivationTracker(QObject* parent) : QObject(parent) {
  qApp->installEventFilter(this);
}

ActivationTracker& ActivationTracker::Instance() {
  static QPointer<ActivationTracker> instance;
  if (!instance) instance = new ActivationTracker(qApp);
  return *instance;
}

bool ActivationTracker::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::WindowActivate && watched->isWidgetType()) {
    const auto* w = static_cast<const QWidget*>(watched);
    // Also when the same window is activated again (the program coming back
    // from another application): it is then its own predecessor.
    if (w->isWindow()) {
      previous_ = current_;
      current_ = {w, w->isModal()};
    }
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace tamrel
