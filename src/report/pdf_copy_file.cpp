#include "report/pdf_copy_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <optional>

#include "files/file_size_signal.h"
#include "files/regular_file.h"

namespace tamrel {

namespace {

// Names tried beside the destination for the file being written.
constexpr int kPartNames = 1000;

std::string Local(const QString& path) {
  return QFile::encodeName(path).toStdString();
}

// A failure at a step of writing `path`, with the system's reason.
PrintFailure Failure(const char* step, const std::string& path, int error) {
  return PrintFailure(std::string(step) + " " + path + ": " + std::strerror(error));
}

// The file that symbolic links from `chosen` lead to, as an absolute path.
QString LinkedFile(const QString& chosen) {
  const std::optional<std::filesystem::path> file =
      FollowLinks(QFile::encodeName(QFileInfo(chosen).absoluteFilePath()).toStdString());
  if (!file) throw PrintFailure("the links from the PDF file lead to no file");
  return QFile::decodeName(QByteArray::fromStdString(file->string()));
}

// The name of the file written beside `destination`, n-th choice.
QString PartName(const QString& destination, int n) {
  return n == 0 ? destination + QStringLiteral(".part")
                : destination + QStringLiteral(".%1.part").arg(n);
}

// Writes all of `bytes`, however few of them each write takes.
void WriteAll(PdfFileCalls& calls, int fd, const QByteArray& bytes, const std::string& path) {
  const char* data = bytes.constData();
  auto left = static_cast<std::size_t>(bytes.size());
  while (left > 0) {
    const ssize_t written = calls.Write(fd, data, left);
    if (written < 0 && errno == EINTR) continue;
    if (written < 0) throw Failure("cannot write", path, errno);
    if (written == 0) throw Failure("cannot write", path, ENOSPC);
    data += written;
    left -= static_cast<std::size_t>(written);
  }
}

}  // namespace

int PdfFileCalls::Create(const std::string& path) {
  return ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
}

ssize_t PdfFileCalls::Write(int fd, const char* data, std::size_t size) {
  return ::write(fd, data, size);
}

int PdfFileCalls::Sync(int fd) {
  return ::fsync(fd);
}

int PdfFileCalls::Close(int fd) {
  return ::close(fd);
}

int PdfFileCalls::Rename(const std::string& from, const std::string& to) {
  return ::rename(from.c_str(), to.c_str());
}

int PdfFileCalls::Remove(const std::string& path) {
  return ::unlink(path.c_str());
}

int PdfFileCalls::SyncFolder(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return -1;
  const int synced = ::fsync(fd);
  const int error = errno;
  ::close(fd);
  errno = error;
  return synced;
}

PdfFileCalls& SystemPdfFileCalls() {
  static PdfFileCalls calls;
  return calls;
}

PdfCopyFile::PdfCopyFile(const QString& chosen) {
  if (chosen.isEmpty()) throw PrintFailure("no PDF file chosen");
  destination_ = LinkedFile(chosen);
  const QFileInfo info(destination_);
  if (info.exists() && !info.isFile()) throw PrintFailure("the PDF file is not a plain file");
}

void PdfCopyFile::Write(const QByteArray& pdf, PdfFileCalls& calls) const {
  // A copy larger than the file-size limit allows is a failed print, not
  // the end of the program.
  MakeFileSizeLimitAWriteError();
  const std::string destination = Local(destination_);
  std::string part;
  int fd = -1;
  for (int n = 0; n < kPartNames && fd < 0; ++n) {
    part = Local(PartName(destination_, n));
    fd = calls.Create(part);
    if (fd < 0 && errno != EEXIST) throw Failure("cannot create", part, errno);
  }
  if (fd < 0) throw PrintFailure("no free name beside " + destination);
  try {
    WriteAll(calls, fd, pdf, part);
    if (calls.Sync(fd) != 0) throw Failure("cannot flush", part, errno);
    const int closed = calls.Close(fd);
    fd = -1;  // closed even when close reports a failure
    if (closed != 0) throw Failure("cannot close", part, errno);
    if (calls.Rename(part, destination) != 0) throw Failure("cannot rename", part, errno);
  } catch (...) {
    if (fd >= 0) calls.Close(fd);
    calls.Remove(part);
    throw;
  }
  // The new file is whole on disk under its name. Should the folder not
  // take the flush, a crash could at worst bring back the earlier file,
  // also whole, so that does not make the print a failure.
  calls.SyncFolder(Local(QFileInfo(destination_).absolutePath()));
}

}  // namespace tamrel
