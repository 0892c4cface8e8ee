#pragma once
// The printer of the run: one QPrinter from the first Print to the end of
// the program, so that the printer, paper and orientation chosen in the
// print dialog are offered again at the next Print, and the PDF file chosen
// last, offered again for Qt's PDF output even after a printer of the print
// system was chosen in between. Nothing of it is stored between runs.

#include <QString>
#include <memory>
#include <string>

class QPrinter;

namespace tamrel {

class RunPrinter {
 public:
  RunPrinter();
  ~RunPrinter();
  RunPrinter(const RunPrinter&) = delete;
  RunPrinter& operator=(const RunPrinter&) = delete;

  // The printer, created at its first use: high resolution, the document
  // named after the program. Where no printer is installed it starts as
  // Qt's PDF output, elsewhere on the system's default printer.
  QPrinter& Printer();

  // Keeps the PDF file chosen at a Print that chose PDF output.
  void SetPdfFile(const QString& file) { pdfFile_ = file; }

  // The file offered for PDF output: the one chosen last in this run, else
  // the file proposed for the project (ProposedPdfFile with the user's
  // documents folder).
  QString OfferedPdfFile(const std::string& projectFile) const;

 private:
  std::unique_ptr<QPrinter> printer_;
  QString pdfFile_;  // the PDF file chosen last; empty until one was
};

// The PDF file proposed for a project file: its path with ".pdf" in place
// of ".tmr" (in any case of letters), ".pdf" added to any other name, so
// that the project file itself is never proposed; for a project never
// saved ("New File"), "report.pdf" in `documents`.
QString ProposedPdfFile(const std::string& projectFile, const QString& documents);

}  // namespace tamrel
