#include "report/printer_dialog.h"

#include <QPrintDialog>
#include <QPrinter>

namespace tamrel {

std::optional<int> QtPrinterDialogService::ShowPrinter(QWidget* owner, QPrinter& printer) {
  QPrintDialog dialog(&printer, owner);
  dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
  dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
  // A page range would reach the print system and could leave the one
  // report page out: the range is not offered at all.
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
  dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return printer.copyCount();
}

}  // namespace tamrel
