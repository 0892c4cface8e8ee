#pragma once
// Controls that behave as the window's handlers expect.
//
// - Option buttons act on toggled(true): choosing one from code runs its
//   handler exactly when it becomes the chosen one of its group.
// - Check boxes act on every change of their value, from the user or code.
// - A pick-only list (PickList) is refilled without signals and selected
//   from code through Select, which runs the handler only on a change; the
//   user's choices arrive through `activated`.
// - An editable list (ProfileCombo) shows a text set from code without
//   choosing an item, never inserts typed text and acts only when the user
//   chooses an item from its list.
// - Lists (pick-only and editable, in every window) take the mouse wheel
//   only while they have the focus (TakeWheelOnlyWithFocus).
// - Input boxes: light yellow RGB(255,255,192) while focused, white after;
//   select-all on focus is queued so the click that gave the focus does not
//   undo it.

#include <QColor>
#include <QComboBox>
#include <QObject>
#include <QStringList>
#include <functional>
#include <initializer_list>

class QAbstractButton;
class QCheckBox;
class QLineEdit;
class QRadioButton;

namespace tamrel {

inline const QColor kFocusedBoxColour(255, 255, 192);
inline const QColor kLeftBoxColour(255, 255, 255);

void OnChosen(QRadioButton* option, std::function<void()> handler);
// Makes the options one group whose buttons exclude each other. Needed for
// every group: Qt's automatic grouping of sibling buttons also reaches the
// buttons of frames nested in the same parent.
void MakeOptionGroup(std::initializer_list<QRadioButton*> options);
void OnValueChanged(QCheckBox* box, std::function<void()> handler);

// Chooses an option from code (its handler runs when it was not chosen).
void Choose(QRadioButton* option);
// Sets a check box from code (its handler runs when the value changes).
void SetChecked(QCheckBox* box, bool checked);

// The one rule for the wheel over a list: a wheel turned over a list the
// user has not entered (scrolling over a form) chooses nothing and goes on
// to the form; the wheel no longer gives a list the focus, so only a list
// entered by a click or by Tab changes its item by the wheel.
void TakeWheelOnlyWithFocus(QComboBox* combo);

void SetBoxColour(QLineEdit* box, const QColor& colour);
void SelectAllQueued(QLineEdit* box);

class PickList : public QObject {
  Q_OBJECT

 public:
  PickList(QComboBox* combo, std::function<void(int)> handler);

  QComboBox* combo() const { return combo_; }
  // Empties the list and fills it anew; no item is selected afterwards.
  void Fill(const QStringList& items);
  // Selects item i (-1 or out of range: none); runs the handler when the
  // selection changes to an item.
  void Select(int i);
  int Selected() const { return selected_; }

 private:
  void OnActivated(int i);

  QComboBox* combo_;
  std::function<void(int)> handler_;
  int selected_ = -1;
};

class ProfileCombo : public QObject {
  Q_OBJECT

 public:
  ProfileCombo(QComboBox* combo, std::function<void(int)> handler);

  QComboBox* combo() const { return combo_; }
  void Fill(const QStringList& items);
  // Shows a text without choosing an item; runs nothing. The entry with
  // that text becomes the current one, which the arrow keys move on from.
  void SetText(const QString& text);
  // Enter in the box: swallowed, so that typed text never chooses an item.
  void OnEnter(std::function<void()> handler) { enter_ = std::move(handler); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QComboBox* combo_;
  std::function<void(int)> handler_;
  std::function<void()> enter_;
};

}  // namespace tamrel
