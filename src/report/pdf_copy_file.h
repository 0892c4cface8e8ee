#pragma once
// Where a copy of the report printed as PDF goes. The copy is made in
// memory first; only its finished bytes are written, to a new file beside
// the chosen one ("<file>.part", "<file>.<n>.part" where that is taken),
// and every step is checked: the file is created (never through a link,
// never over a file that is there), written in full, flushed to disk and
// closed, and only then takes the chosen name. A copy that fails at any
// step leaves no file of its own, and an earlier file of the chosen name
// byte for byte as it was.

#include <sys/types.h>
#include <QByteArray>
#include <QString>
#include <cstddef>
#include <stdexcept>
#include <string>

namespace tamrel {

// A print that cannot start or fails.
class PrintFailure : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The system calls through which a PDF file is written, so that a test
// can make any of them fail. Each returns as the POSIX call of its name
// does (-1 and errno on failure).
class PdfFileCalls {
 public:
  virtual ~PdfFileCalls() = default;
  // open(2) of a new file for writing: O_CREAT | O_EXCL | O_NOFOLLOW.
  virtual int Create(const std::string& path);
  virtual ssize_t Write(int fd, const char* data, std::size_t size);
  virtual int Sync(int fd);  // fsync(2)
  virtual int Close(int fd);
  virtual int Rename(const std::string& from, const std::string& to);
  virtual int Remove(const std::string& path);
  // fsync(2) of a folder, so that a rename in it is on disk too.
  virtual int SyncFolder(const std::string& folder);
};

// The calls of the system itself.
PdfFileCalls& SystemPdfFileCalls();

class PdfCopyFile {
 public:
  // The file that takes a copy for the file chosen in the print dialog:
  // the chosen file, or the file its symbolic links lead to (which need
  // not exist yet). Throws PrintFailure when that name cannot take a file:
  // no name, a loop of links, a folder or anything else that is not a
  // plain file.
  explicit PdfCopyFile(const QString& chosen);

  const QString& Destination() const { return destination_; }

  // Writes the copy's bytes under the destination's name, replacing a file
  // of that name only once the new one is whole on disk. Throws
  // PrintFailure when any step fails; the file it began is then removed.
  void Write(const QByteArray& pdf, PdfFileCalls& calls = SystemPdfFileCalls()) const;

 private:
  QString destination_;
};

}  // namespace tamrel
