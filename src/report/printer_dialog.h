#pragma once
// The printer dialog as a service, so that tests never block on a modal
// window: the program shows Qt's print dialog, tests set the printer up
// themselves (a PDF file, say) and answer at once.

#include <QStringList>
#include <optional>

class QPrinter;
class QWidget;

namespace tamrel {

class MessageService;

// The start of the message of a print that cannot be made; the printer's
// name or the PDF file's path follows.
inline constexpr const char* kCantPrint = "can't print - ";

class PrinterDialogService {
 public:
  virtual ~PrinterDialogService() = default;
  // Shows the print dialog over owner, offering the printer as it is set
  // up and `pdfFile` as the file of Qt's PDF output, and sets printer up as
  // the user chose (a printer of the print system, or PDF output to a
  // file; paper, orientation). Returns the number of copies asked for, or
  // nothing when the dialog was cancelled.
  virtual std::optional<int> ShowPrinter(QWidget* owner, QPrinter& printer,
                                         const QString& pdfFile) = 0;
};

// Qt's print dialog. Besides the printers of the print system it offers
// Qt's PDF output ("Print to File (PDF)"), the one chosen where no printer
// is installed. It offers no choice of printing the selection; the report
// is one page, so a page range is not offered, and one chosen all the same
// is not used.
//
// The file named for the PDF output is looked at before Qt's own check of
// it, which opens the name for writing (and removes what it made there):
// that open would wait for a reader on a pipe and make a file through a
// symbolic link to a file not yet there, then remove the link. A name at
// which no PDF can be written (a folder, pipe, device or socket, also at
// the end of links, and a loop of links) is refused with the message
// "can't print - <file>" over the dialog, which stays open for another
// name or Cancel; the name of a link goes to Qt's check as the file the
// link leads to, and the printer keeps the name as it was chosen.
class QtPrinterDialogService : public PrinterDialogService {
 public:
  // A refused name is told through the desktop's message box.
  QtPrinterDialogService();
  // ... or through messages.
  explicit QtPrinterDialogService(MessageService& messages) : messages_(messages) {}

  std::optional<int> ShowPrinter(QWidget* owner, QPrinter& printer,
                                 const QString& pdfFile) override;

 private:
  MessageService& messages_;
};

// Makes the printer print every page: no page range of its own, and none
// among the job options it hands to the print system (CUPS), where Qt's
// dialog puts a range typed in it even when the application offers none.
void DropPageRange(QPrinter& printer);

// Job options (name, value, name, value ...) without the page range.
QStringList WithoutPageRange(const QStringList& jobOptions);

}  // namespace tamrel
