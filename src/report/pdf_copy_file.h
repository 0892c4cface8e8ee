#pragma once
// Where a copy of the report printed as PDF goes. The copy is made in
// memory first; only its finished bytes are written, by the routine that
// replaces a file (files/file_replace.h): into a new file beside the chosen
// one that takes the chosen name only once it is whole on disk, and that
// keeps an earlier file's owner, group, mode, access list, attributes and
// hard links, or else over the earlier file in place. A copy that fails at
// any step leaves no file of its own, and an earlier file of the chosen
// name byte for byte as it was.

#include <QByteArray>
#include <QString>
#include <stdexcept>

#include "files/file_replace.h"

namespace tamrel {

// A print that cannot start or fails.
class PrintFailure : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class PdfCopyFile {
 public:
  // The file that takes a copy for the file chosen in the print dialog:
  // the chosen file, or the file its symbolic links lead to (which need
  // not exist yet). Throws PrintFailure when that name cannot take a file:
  // no name, a loop of links, a folder or anything else that is not a
  // plain file.
  explicit PdfCopyFile(const QString& chosen);

  const QString& Destination() const { return destination_; }

  // Writes the copy's bytes as the destination's content. Throws
  // PrintFailure when that fails.
  void Write(const QByteArray& pdf, FileReplaceCalls& calls = SystemFileReplaceCalls()) const;

 private:
  QString destination_;
};

}  // namespace tamrel
