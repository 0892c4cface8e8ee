#include "dialogs/built_up_dialog.h"

#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <exception>
#include <functional>

#include "calc/number_text.h"
#include "platform/controls.h"
#include "platform/focus_binder.h"

namespace tamrel {

namespace {

constexpr const char* kMismatch = "Input string mismatch ";

// Enter in a dimension box: swallowed, then the handler moves the focus.
class EnterKeyFilter : public QObject {
 public:
  EnterKeyFilter(QObject* parent, std::function<void()> onEnter)
      : QObject(parent), onEnter_(std::move(onEnter)) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::KeyPress) {
      const int key = static_cast<QKeyEvent*>(event)->key();
      if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        onEnter_();
        return true;
      }
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  std::function<void()> onEnter_;
};

}  // namespace

BuiltUpDialog::BuiltUpDialog(const BuiltUpEntry& entry, DesignState& ds, SectionDialogHost& host)
    : SectionDialog(entry.d, ds, host), builtUp_(entry) {}

void BuiltUpDialog::BuildProfileRows(QWidget* window, QGridLayout* grid) {
  boxes_.clear();
  int row = 0;
  for (std::size_t i = 0; i < builtUp_.boxes.size(); ++i) {
    const BoxEntry& entry = builtUp_.boxes[i];
    AddCaption(grid, row, entry.caption);
    auto* box = new QLineEdit(window);
    box->setObjectName(QString::fromLatin1(entry.control));
    box->setFont(TextFont());
    // Its initial text, as the dialog has it before the first fill.
    box->setText(QStringLiteral(" "));
    // The height of the toolkit's one-line text box on the design.
    box->setFixedSize(Px(900), Px(285));
    grid->addWidget(box, row, 1);
    auto* mm = new QLabel(QStringLiteral("mm"));
    mm->setFont(TextFont());
    grid->addWidget(mm, row, 2);
    boxes_.emplace_back(box);
    host_.Binder().Bind(box, {[this, i] { OnEnter(i); }, [this, i] { OnLeave(i); },
                              [box] { SetBoxColour(box, kLeftBoxColour); }});
    box->installEventFilter(new EnterKeyFilter(box, [this, i] { OnEnterKey(i); }));
    ++row;
  }
  auto* line = new QFrame(window);
  line->setObjectName(QStringLiteral("Line2"));
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Sunken);
  grid->addWidget(line, row++, 0, 1, 3);
  for (const RowEntry& entry : PropertyRows(builtUp_.d.shape)) AddValueRow(grid, row++, entry);
}

void BuiltUpDialog::SetTabOrder(QWidget* ok) {
  // isth, istb, (isttw, isttf | isttw), Command1; the trapezoid's a comes last.
  std::vector<QWidget*> order;
  QWidget* last = nullptr;
  for (std::size_t i = 0; i < boxes_.size(); ++i) {
    if (builtUp_.boxes[i].quantity == Quantity::a) {
      last = boxes_[i];
    } else {
      order.push_back(boxes_[i]);
    }
  }
  order.push_back(ok);
  if (last != nullptr) order.push_back(last);
  for (std::size_t i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
  order.front()->setFocus();
}

QLineEdit* BuiltUpDialog::Box(Quantity q) const {
  if (!Loaded()) return nullptr;
  for (std::size_t i = 0; i < boxes_.size(); ++i) {
    if (builtUp_.boxes[i].quantity == q) return boxes_[i].data();
  }
  return nullptr;
}

const BoxEntry* BuiltUpDialog::EntryOf(Quantity q) const {
  for (const BoxEntry& b : builtUp_.boxes) {
    if (b.quantity == q) return &b;
  }
  return nullptr;
}

void BuiltUpDialog::ShowProps() {
  for (std::size_t i = 0; i < boxes_.size(); ++i) {
    if (!boxes_[i]) continue;
    const BoxEntry& entry = builtUp_.boxes[i];
    const VarRef value = builtUp_.showsOwnSet ? entry.set : Vars().Of(entry.quantity);
    boxes_[i]->setText(
        QString::fromStdString(value.Format(ds_, BoxDisplayPattern(entry.quantity))));
  }
  ShowRows(PropertyRows(builtUp_.d.shape));
  ShowClassLabels();
}

void BuiltUpDialog::Fill() {
  ShowProps();
}

void BuiltUpDialog::OnEnter(std::size_t i) {
  QLineEdit* box = boxes_[i];
  if (box == nullptr) return;
  SetBoxColour(box, kFocusedBoxColour);
  SelectAllQueued(box);
}

void BuiltUpDialog::OnEnterKey(std::size_t i) {
  const std::size_t next = (i + 1) % boxes_.size();
  if (boxes_[next]) boxes_[next]->setFocus(Qt::TabFocusReason);
}

void BuiltUpDialog::OnLeave(std::size_t i) {
  QPointer<QLineEdit> box = boxes_[i];
  if (!box) return;
  const BoxEntry& entry = builtUp_.boxes[i];
  const bool isA = entry.quantity == Quantity::a;
  leaveFailed_ = false;
  try {
    const std::optional<float> value = ParseNumber(ds_.decflag, box->text().toStdString());
    if (!value) {
      leaveFailed_ = true;
      ShowMessage(kMismatch);
      if (box) box->setFocus();
      if (box && !isA) SetBoxColour(box, kLeftBoxColour);
      return;
    }
    entry.set.Set(ds_, Variant(*value));
    box->setText(QString::fromStdString(entry.set.Format(ds_, entry.pattern)));
    if (static_cast<double>(*value) < entry.limit) {
      leaveFailed_ = true;
      ShowMessage(entry.message);
      if (!entry.setBack.empty()) entry.set.Set(ds_, entry.setBack);
      if (box) box->setFocus();
    }
    if (isA && box) SetBoxColour(box, kLeftBoxColour);
    host_.RecalculateProject();
    if (Loaded()) ShowProps();
  } catch (const std::exception&) {
    // Any other failure ends the steps without a message.
  }
  if (box && !isA) SetBoxColour(box, kLeftBoxColour);
}

bool BuiltUpDialog::CommitEnteredBox() {
  if (!Loaded()) return true;
  auto* box = qobject_cast<QLineEdit*>(host_.Binder().Entered(Window()));
  if (box == nullptr || !box->isModified()) return true;
  if (!host_.Binder().CommitEntered(Window())) return true;
  return !leaveFailed_;
}

bool BuiltUpDialog::ReadBack(Quantity q) {
  const BoxEntry* entry = EntryOf(q);
  QPointer<QLineEdit> box = Box(q);
  if (entry == nullptr || !box) return true;
  const ReadBackCheck& check = ReadBackCheckOf(q);
  const std::optional<float> value = ParseNumber(ds_.decflag, box->text().toStdString());
  if (!value) {
    ShowMessage(kMismatch);
    if (box) host_.Binder().MoveFocus(box);
    return false;
  }
  entry->set.Set(ds_, Variant(*value));
  box->setText(QString::fromStdString(entry->set.Format(ds_, check.pattern)));
  if (static_cast<double>(*value) < check.limit) {
    ShowMessage(check.message);
    if (box) host_.Binder().MoveFocus(box);
  }
  return true;
}

void BuiltUpDialog::Confirm() {
  for (const Quantity q : builtUp_.confirmBoxes) {
    // A number that cannot be read keeps the dialog open, nothing recalculated.
    if (!ReadBack(q)) return;
    if (!Loaded()) return;
  }
  Unload(CloseReason::User);
  if (builtUp_.recalcAfterOk) host_.RecalculateProject();
}

void BuiltUpDialog::Closing(CloseReason reason) {
  // Opening a project replaces the project: the boxes of the one before
  // must not overwrite the sets just read from the file. A dialog that was
  // never filled holds no dimensions to read back.
  if (reason == CloseReason::ProjectOpened || !Filled()) return;
  for (const Quantity q : builtUp_.closeBoxes) {
    if (!ReadBack(q)) break;
  }
}

}  // namespace tamrel
