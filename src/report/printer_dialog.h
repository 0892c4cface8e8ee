#pragma once
// The printer dialog as a service, so that tests never block on a modal
// window: the program shows the desktop's print dialog, tests set the
// printer up themselves (a PDF file, say) and answer at once.

#include <optional>

class QPrinter;
class QWidget;

namespace tamrel {

class PrinterDialogService {
 public:
  virtual ~PrinterDialogService() = default;
  // Shows the print dialog over owner and sets printer up as the user chose
  // (printer, paper, orientation). Returns the number of copies asked for,
  // or nothing when the dialog was cancelled.
  virtual std::optional<int> ShowPrinter(QWidget* owner, QPrinter& printer) = 0;
};

// The desktop's print dialog. It offers no choice of printing the selection
// and no print-to-file box; the report is one page, so it offers no page
// range either.
class QtPrinterDialogService : public PrinterDialogService {
 public:
  std::optional<int> ShowPrinter(QWidget* owner, QPrinter& printer) override;
};

}  // namespace tamrel
