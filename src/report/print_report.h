#pragma once
// The Print command: the printer dialog, then one print document of one
// page per copy, drawn from the design state and the result tables as the
// last recalculation left them. Printing recalculates nothing and changes
// no input. A cancelled dialog prints nothing and says nothing; a print
// that cannot start or fails says so in one message ("can't print - "
// followed by the printer's name or the PDF file's path), and copies
// already ended stay printed.

#include <QDateTime>
#include <string>

#include "calc/design_state.h"
#include "report/pdf_copy_file.h"
#include "report/printer_dialog.h"
#include "report/run_printer.h"

class QWidget;

namespace tamrel {

class ReportPage;

// What the report needs of the main window. The window's check box check_ih
// is reached, as on screen, through the design state's window (ds.mainfrm),
// which the ring-frame result table sets from the sign of pd.
class ReportHost {
 public:
  virtual ~ReportHost() = default;
  // Owner of the printer dialog: the main window.
  virtual QWidget* ReportOwner() = 0;
  // The printer dialog (the main window keeps a QtPrinterDialogService).
  virtual PrinterDialogService& PrinterDialog() = 0;
  // The printer of the run, which the dialog sets up and offers again.
  virtual RunPrinter& ReportPrinter() = 0;
  // A message box with the exclamation icon.
  virtual void ShowExclamation(const std::string& text) = 0;
  // The date and time printed in the header of a copy: now.
  virtual QDateTime ReportDateTime() { return QDateTime::currentDateTime(); }
  // A copy's print document has been ended (handed to the printer).
  virtual void ReportCopyEnded(int /*copy*/) {}
  // The calls through which a copy printed as PDF is written to its file.
  virtual FileReplaceCalls& ReportFileCalls() { return SystemFileReplaceCalls(); }
};

// The menu-bar command "Print" (mnuprint): runs PrintReport and nothing else.
void tamrel_mnuprint_Click(DesignState& ds, ReportHost& host);

// Shows the printer dialog and prints the copies.
void PrintReport(DesignState& ds, ReportHost& host);

// Draws one complete report page; it does not end the document. Throws
// ReportPageError when the page cannot be measured.
void PrintReportPage(DesignState& ds, ReportPage& page, const QDateTime& now);

}  // namespace tamrel
