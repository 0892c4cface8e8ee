#include "dialogs/section_window.h"

#include <QCloseEvent>
#include <QEvent>
#include <QPainter>

namespace tamrel {

SectionWindow::SectionWindow(QWidget* owner)
    : QWidget(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint) {
  setAttribute(Qt::WA_DeleteOnClose, false);
}

bool SectionWindow::event(QEvent* event) {
  const bool handled = QWidget::event(event);
  switch (event->type()) {
    case QEvent::Show:
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::WindowActivate:
      if (onFramed && Framed()) {
        const std::function<void()> handler = std::move(onFramed);
        onFramed = nullptr;
        handler();
      }
      break;
    default: break;
  }
  if (event->type() == QEvent::WindowActivate && onActivated) {
    // A copy: the handler may unload the dialog.
    const std::function<void()> handler = onActivated;
    handler();
  }
  return handled;
}

void SectionWindow::closeEvent(QCloseEvent* event) {
  // The closing is never refused.
  event->accept();
  if (onCloseRequest) {
    const std::function<void()> handler = onCloseRequest;
    handler();
  }
}

ProfileSketchBox::ProfileSketchBox(ProfileSketch sketch, QWidget* parent)
    : QWidget(parent), sketch_(sketch) {
  setObjectName(QStringLiteral("pic1"));
  setFocusPolicy(Qt::NoFocus);
}

void ProfileSketchBox::paintEvent(QPaintEvent* /*event*/) {
  QPainter p(this);
  p.fillRect(rect(), Qt::white);
  DrawProfileSketch(p, QRectF(rect()), sketch_);
}

}  // namespace tamrel
