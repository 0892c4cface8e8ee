#include "platform/controls.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTimer>

namespace tamrel {

void OnChosen(QRadioButton* option, std::function<void()> handler) {
  option->setChecked(false);
  QObject::connect(option, &QRadioButton::toggled, option, [handler = std::move(handler)](bool on) {
    if (on) handler();
  });
}

void MakeOptionGroup(std::initializer_list<QRadioButton*> options) {
  if (options.size() == 0) return;
  auto* group = new QButtonGroup((*options.begin())->parentWidget());
  group->setExclusive(true);
  for (QRadioButton* option : options) group->addButton(option);
}

void OnValueChanged(QCheckBox* box, std::function<void()> handler) {
  QObject::connect(box, &QCheckBox::toggled, box,
                   [handler = std::move(handler)](bool) { handler(); });
}

void Choose(QRadioButton* option) {
  option->setChecked(true);
}

void SetChecked(QCheckBox* box, bool checked) {
  box->setChecked(checked);
}

void SetBoxColour(QLineEdit* box, const QColor& colour) {
  QPalette p = box->palette();
  p.setColor(QPalette::Active, QPalette::Base, colour);
  p.setColor(QPalette::Inactive, QPalette::Base, colour);
  box->setPalette(p);
}

void SelectAllQueued(QLineEdit* box) {
  QPointer<QLineEdit> guard(box);
  // Also when its window is about to be activated again (a message box just
  // closed): the box is then the window's focus widget, not yet focused.
  QTimer::singleShot(0, box, [guard] {
    if (guard && (guard->hasFocus() || guard->window()->focusWidget() == guard)) {
      guard->selectAll();
    }
  });
}

namespace {

// Installed on a list by TakeWheelOnlyWithFocus. The wheel reaches an
// editable list through its line edit, and the list itself through the
// event's propagation to the parent: both pass here.
class WheelOnlyWithFocus : public QObject {
 public:
  explicit WheelOnlyWithFocus(QComboBox* combo) : QObject(combo), combo_(combo) {
    setObjectName(QStringLiteral("WheelOnlyWithFocus"));
  }

 protected:
  bool eventFilter(QObject* /*watched*/, QEvent* event) override {
    if (event->type() == QEvent::Wheel && !combo_->hasFocus()) {
      event->ignore();  // on to the form
      return true;
    }
    return false;
  }

 private:
  QComboBox* combo_;
};

}  // namespace

void TakeWheelOnlyWithFocus(QComboBox* combo) {
  if (combo->findChild<WheelOnlyWithFocus*>(QStringLiteral("WheelOnlyWithFocus"),
                                            Qt::FindDirectChildrenOnly)) {
    return;
  }
  // A list's own policy takes the focus on the wheel, before any filter
  // sees the event: the window system's wheel would enter it and turn it.
  combo->setFocusPolicy(Qt::StrongFocus);
  combo->installEventFilter(new WheelOnlyWithFocus(combo));
}

PickList::PickList(QComboBox* combo, std::function<void(int)> handler)
    : QObject(combo), combo_(combo), handler_(std::move(handler)) {
  combo_->setEditable(false);
  TakeWheelOnlyWithFocus(combo_);
  connect(combo_, &QComboBox::activated, this, &PickList::OnActivated);
}

void PickList::Fill(const QStringList& items) {
  const QSignalBlocker block(combo_);
  combo_->clear();
  combo_->addItems(items);
  combo_->setCurrentIndex(-1);
  selected_ = -1;
}

void PickList::Select(int i) {
  if (i < 0 || i >= combo_->count()) i = -1;
  if (i == selected_) return;
  {
    const QSignalBlocker block(combo_);
    combo_->setCurrentIndex(i);
  }
  selected_ = i;
  if (i >= 0 && handler_) handler_(i);
}

void PickList::OnActivated(int i) {
  if (i == selected_) return;
  selected_ = i;
  if (i >= 0 && handler_) handler_(i);
}

ProfileCombo::ProfileCombo(QComboBox* combo, std::function<void(int)> handler)
    : QObject(combo), combo_(combo), handler_(std::move(handler)) {
  combo_->setEditable(true);
  combo_->setInsertPolicy(QComboBox::NoInsert);
  combo_->setCompleter(nullptr);
  TakeWheelOnlyWithFocus(combo_);
  // Qt's editable combo chooses the item whose text was typed when Enter is
  // pressed and when the box loses the focus. Typed text must choose
  // nothing: the combo hands its keys to the line edit directly, so both
  // are filtered for Enter, and the line edit's return and editing-finished
  // signals no longer reach the combo.
  combo_->installEventFilter(this);
  combo_->lineEdit()->installEventFilter(this);
  QObject::disconnect(combo_->lineEdit(), &QLineEdit::returnPressed, combo_, nullptr);
  QObject::disconnect(combo_->lineEdit(), &QLineEdit::editingFinished, combo_, nullptr);
  connect(combo_, &QComboBox::activated, this, [this](int i) {
    if (i >= 0 && handler_) handler_(i);
  });
}

void ProfileCombo::Fill(const QStringList& items) {
  const QSignalBlocker block(combo_);
  combo_->clear();
  combo_->addItems(items);
  combo_->setCurrentIndex(-1);
  combo_->setEditText(QString());
}

void ProfileCombo::SetText(const QString& text) {
  const QSignalBlocker block(combo_);
  // The list's current entry is the one shown, so that the arrow keys and
  // the open list move on from it; a text that is no entry leaves none.
  combo_->setCurrentIndex(combo_->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive));
  combo_->setEditText(text);
}

bool ProfileCombo::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      if (enter_) enter_();
      return true;
    }
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace tamrel
