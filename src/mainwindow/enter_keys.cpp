// The Enter key in the main window's boxes and lists: what it does there
// and where it sends the focus, by the Enter order.

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

#include "mainwindow/enter_order.h"
#include "mainwindow/tamrel_window.h"
#include "platform/controls.h"

namespace tamrel {

QWidget* TamrelWindow::Control(const char* name) const {
  if (const auto f = fields.find(name); f != fields.end()) return f->second;
  if (std::string_view(name) == "client") return centralWidget();
  return findChild<QWidget*>(QString::fromLatin1(name));
}

void TamrelWindow::BindEnterKeys() {
  for (const EnterStep& step : EnterOrder()) {
    QWidget* w = Control(step.control);
    if (w == nullptr) continue;
    if (w == cbostiff || w == cboring) continue;  // their lists take Enter themselves
    w->installEventFilter(this);
  }
  stiffCombo_->OnEnter([this] { OnEnterKey("cbostiff"); });
  ringCombo_->OnEnter([this] { OnEnterKey("cboring"); });
}

void TamrelWindow::OnEnterKey(const char* control) {
  const EnterStep* step = FindEnterStep(control);
  if (step == nullptr) return;
  auto* box = qobject_cast<QLineEdit*>(Control(step->control));
  switch (step->action) {
    case EnterAction::Move: break;
    case EnterAction::StoreAndMove:
      if (box != nullptr) {
        (std::string_view(step->control) == "iproj" ? ds_.proj : ds_.ident) =
            box->text().toStdString();
      }
      break;
    case EnterAction::ParseAndMove: {
      const FieldSpec* spec = FindField(step->control);
      if (box == nullptr || spec == nullptr || !EnterCommit(*spec, box)) return;
      break;
    }
  }
  for (const EnterTarget& t : step->next) {
    QWidget* target = Control(t.control);
    if (target == nullptr) continue;
    bool holds = true;
    switch (t.when) {
      case EnterTarget::When::Always: break;
      case EnterTarget::When::Visible: holds = target->isVisibleTo(this); break;
      case EnterTarget::When::Enabled: holds = target->isEnabled(); break;
      case EnterTarget::When::FrameShown: {
        const QWidget* frame = Control(t.frame);
        holds = frame != nullptr && frame->isVisibleTo(this);
        break;
      }
    }
    if (!holds) continue;
    // Leaving the box commits it (its leave handler runs), then the
    // target's focus handler.
    target->setFocus(Qt::TabFocusReason);
    return;
  }
}

}  // namespace tamrel
