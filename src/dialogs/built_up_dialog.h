#pragma once
// The twelve dialogs that take the dimensions of a built-up section
// (stifflb, stifftb, stifffb, stiffrhs, stiffusp, stiffib and their ring-frame
// twins girdlb ... girdib). Each dimension box commits when it is left: the
// number is stored in the dialog's built-up set at once, written back in the
// box's pattern, checked against its lower limit, and the project is
// recalculated and the dialog refilled. OK and closing read boxes back once
// more with checks of their own.

#include <QPointer>
#include <vector>

#include "dialogs/section_dialog.h"

class QLineEdit;

namespace tamrel {

class BuiltUpDialog : public SectionDialog {
 public:
  BuiltUpDialog(const BuiltUpEntry& entry, DesignState& ds, SectionDialogHost& host);

  const BuiltUpEntry& BuiltUp() const { return builtUp_; }

  // Display routine: boxes, property labels and local-buckling labels.
  void ShowProps();
  // The box of a quantity, nullptr when the dialog has none or is unloaded.
  QLineEdit* Box(Quantity q) const;
  void Confirm() override;
  bool CommitEnteredBox() override;

 protected:
  void BuildProfileRows(QWidget* window, QGridLayout* grid) override;
  void SetTabOrder(QWidget* ok) override;
  void Fill() override;
  void Closing(CloseReason reason) override;

 private:
  void OnEnter(std::size_t i);
  void OnLeave(std::size_t i);
  void OnEnterKey(std::size_t i);
  // OK and closing: reads a box back; false on a conversion failure.
  bool ReadBack(Quantity q);
  const BoxEntry* EntryOf(Quantity q) const;

  const BuiltUpEntry& builtUp_;
  std::vector<QPointer<QLineEdit>> boxes_;  // in the order of builtUp_.boxes
  bool leaveFailed_ = false;                // the last leave showed a message
};

}  // namespace tamrel
