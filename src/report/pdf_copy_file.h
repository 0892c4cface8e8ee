#pragma once
// Where a copy of the report printed as PDF goes. Qt's PDF output writes
// the file named on the printer as the copy is put on it; the copy is
// written beside the chosen file under a name of its own instead, and
// takes the chosen name only once it has ended. A copy that fails thus
// leaves nothing half-written under that name, and an earlier file of
// that name as it was.

#include <QString>
#include <stdexcept>

class QPrinter;

namespace tamrel {

// A print that cannot start or fails.
class PrintFailure : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class PdfCopyFile {
 public:
  // For a printer that writes PDF: points it at a new file beside the
  // chosen one ("<file>.part", "<file>.<n>.part" where that is taken).
  // Throws PrintFailure when the chosen name cannot take a file: no name,
  // or a folder or anything else that is not a file. For a printer of the
  // print system it does nothing.
  explicit PdfCopyFile(QPrinter& printer);
  // Points the printer at the chosen file again; the new file is removed
  // unless the copy has ended. The printer must not be printing.
  ~PdfCopyFile();
  PdfCopyFile(const PdfCopyFile&) = delete;
  PdfCopyFile& operator=(const PdfCopyFile&) = delete;

  // The copy has ended: its file takes the chosen name, replacing a file
  // of that name (through a symbolic link, the file it links to). Throws
  // PrintFailure when it cannot.
  void End();

  // The file written while the copy is printed; empty for a printer of
  // the print system.
  const QString& PartFile() const { return part_; }

 private:
  QPrinter& printer_;
  QString chosen_;       // the file chosen in the dialog
  QString destination_;  // the file that takes the copy
  QString part_;
  bool ended_ = false;
};

}  // namespace tamrel
