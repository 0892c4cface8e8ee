#pragma once
// The eight dialogs that pick a rolled section from a profile table
// (stiffl, stifft, stifff, stiffhp, girdl, girdt, girdf, girdhp). The list
// cbo holds one entry per table row; a pick stores the row in the design
// state and recalculates; the labels show what the calculation made of it.

#include <QPointer>
#include <QStringList>

#include "dialogs/section_dialog.h"

class QComboBox;

namespace tamrel {

class RolledSectionDialog : public SectionDialog {
 public:
  RolledSectionDialog(const RolledEntry& entry, DesignState& ds, SectionDialogHost& host);

  const RolledEntry& Rolled() const { return rolled_; }

  // The list entries of the table: entry i is row i, e.g. "L200x90x9x14",
  // "BF 200x9.5".
  QStringList ListEntries() const;
  // List fill: rebuilds cbo and shows the remembered row's entry (none for a
  // row outside the table).
  void FillList();
  // Display routine: the labels from the member's current profile.
  void ShowProps();
  // The user picks entry i of cbo.
  void Pick(int i);
  void Confirm() override;

 protected:
  void BuildTopColumn(QWidget* window, QVBoxLayout* column) override;
  void BuildProfileRows(QWidget* window, QGridLayout* grid) override;
  void SetTabOrder(QWidget* ok) override;
  void Fill() override;

 private:
  const RolledEntry& rolled_;
  QPointer<QComboBox> cbo_;
};

}  // namespace tamrel
