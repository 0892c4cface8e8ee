#include "dialogs/rolled_section_dialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "calc/number_text.h"
#include "calc/sections.h"
#include "platform/controls.h"

namespace tamrel {

RolledSectionDialog::RolledSectionDialog(const RolledEntry& entry, DesignState& ds,
                                         SectionDialogHost& host)
    : SectionDialog(entry.d, ds, host), rolled_(entry) {}

void RolledSectionDialog::BuildTopColumn(QWidget* window, QVBoxLayout* column) {
  auto* cbo = new QComboBox(window);
  cbo->setObjectName(QStringLiteral("cbo"));
  cbo->setEditable(false);
  cbo->setFont(TextFont());
  cbo->setMinimumWidth(Px(2400));
  cbo->setMaxVisibleItems(20);
  // A wheel turned over the list while the user is elsewhere in the dialog
  // must not pick a new profile.
  TakeWheelOnlyWithFocus(cbo);
  // Only the user's choices are picks; filling the list from code is not.
  QObject::connect(cbo, &QComboBox::activated, window, [this](int i) { Pick(i); });
  cbo_ = cbo;
  column->addWidget(cbo, 0, Qt::AlignRight);
}

void RolledSectionDialog::BuildProfileRows(QWidget* /*window*/, QGridLayout* grid) {
  int row = 0;
  for (const RowEntry& entry : rolled_.rows) AddValueRow(grid, row++, entry);
}

void RolledSectionDialog::SetTabOrder(QWidget* ok) {
  if (!cbo_) return;
  if (rolled_.okFirstInTab) {
    QWidget::setTabOrder(ok, cbo_);
    ok->setFocus();
  } else {
    QWidget::setTabOrder(cbo_, ok);
    cbo_->setFocus();
  }
}

QStringList RolledSectionDialog::ListEntries() const {
  const ProfileTable& table = ds_.*(rolled_.table);
  const char dec = DecimalSign(ds_);
  QStringList entries;
  // Never beyond the rows loaded nor the table's capacity.
  const int last = std::min<int>(table.last, std::min(table.capacity, ProfileTable::kMaxRows) - 1);
  for (int row = 0; row <= last; ++row) {
    std::string text = rolled_.prefix;
    for (int col = 1; col <= rolled_.entryColumns; ++col) {
      if (col > 1) text += 'x';
      text += PlainNumberText(
          Variant(table.cell[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)]), dec);
    }
    entries << QString::fromStdString(text);
  }
  return entries;
}

void RolledSectionDialog::FillList() {
  if (!cbo_) return;
  const QStringList entries = ListEntries();
  const int row = ds_.*(rolled_.row);
  const QSignalBlocker block(cbo_);
  cbo_->clear();
  cbo_->addItems(entries);
  cbo_->setCurrentIndex(row >= 0 && row < entries.size() ? row : -1);
}

void RolledSectionDialog::ShowProps() {
  ShowRows(rolled_.rows);
  ShowClassLabels();
}

void RolledSectionDialog::Fill() {
  FillList();
  ShowProps();
}

void RolledSectionDialog::Pick(int i) {
  if (i < 0) return;
  ds_.*(rolled_.row) = static_cast<std::int16_t>(i);
  if (rolled_.sectionOnPick) CalcStiffSection(ds_, ds_.stifftype);
  host_.RecalculateProject();
  ShowProps();
}

void RolledSectionDialog::Confirm() {
  Unload(CloseReason::User);
  if (rolled_.recalcAfterOk) host_.RecalculateProject();
}

}  // namespace tamrel
