#include "files/file_replace.h"

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <optional>
#include <random>
#include <vector>

#include "files/file_size_signal.h"
#include "files/regular_file.h"

namespace tamrel {

namespace fs = std::filesystem;

namespace {

// The old content of a file written in place is kept in memory; a file far
// larger than any the program writes is not written over.
constexpr off_t kMaxOldContent = off_t{256} << 20;

// Names tried beside the target before giving up.
constexpr int kTemporaryNames = 100;

[[noreturn]] void Fail(const std::string& why, int error) {
  throw FileReplaceError(why + " (" + std::strerror(error) + ")");
}

// A descriptor closed at the end of its scope, through the calls.
class Descriptor {
 public:
  explicit Descriptor(FileReplaceCalls& calls, int fd = -1) : calls_(calls), fd_(fd) {}
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  ~Descriptor() {
    if (fd_ >= 0) calls_.Close(fd_);
  }
  int fd() const { return fd_; }
  void Take(int fd) {
    if (fd_ >= 0) calls_.Close(fd_);
    fd_ = fd;
  }
  // Closes it; false (errno set) when the close reports a failure, which on
  // some file systems is the first word of a failed write.
  bool Close() {
    const int fd = fd_;
    fd_ = -1;
    return fd < 0 || calls_.Close(fd) == 0;
  }

 private:
  FileReplaceCalls& calls_;
  int fd_;
};

// Writes all of bytes, however few of them each write takes; false with
// errno set on a failure (a write that takes nothing: ENOSPC).
bool WriteAll(FileReplaceCalls& calls, int fd, std::string_view bytes) {
  const char* data = bytes.data();
  std::size_t left = bytes.size();
  while (left > 0) {
    const ssize_t written = calls.Write(fd, data, left);
    if (written < 0 && errno == EINTR) continue;
    if (written < 0) return false;
    if (written == 0) {
      errno = ENOSPC;
      return false;
    }
    data += written;
    left -= static_cast<std::size_t>(written);
  }
  return true;
}

// bytes as the whole content of a file open for writing at its start:
// written, cut to their length, flushed to the disk.
bool WriteWhole(FileReplaceCalls& calls, int fd, std::string_view bytes) {
  return WriteAll(calls, fd, bytes) && calls.Truncate(fd, static_cast<off_t>(bytes.size())) == 0 &&
         calls.Sync(fd) == 0;
}

// The whole content of an open file, at most kMaxOldContent bytes.
std::optional<std::string> ReadAll(FileReplaceCalls& calls, int fd) {
  std::string content;
  char buf[65536];
  for (;;) {
    const ssize_t n = calls.Read(fd, buf, sizeof buf, static_cast<off_t>(content.size()));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return std::nullopt;
    if (n == 0) return content;
    content.append(buf, static_cast<std::size_t>(n));
    if (content.size() > static_cast<std::size_t>(kMaxOldContent)) return std::nullopt;
  }
}

// The names of a file's extended attributes that the user may see; none
// where the file system has none. Nothing when they cannot be listed.
std::optional<std::vector<std::string>> AttributeNames(FileReplaceCalls& calls, int fd) {
  std::vector<char> buf(1024);
  for (;;) {
    const ssize_t n = calls.ListAttributes(fd, buf.data(), buf.size());
    if (n >= 0) {
      std::vector<std::string> names;
      for (std::size_t at = 0; at < static_cast<std::size_t>(n);) {
        names.emplace_back(buf.data() + at);
        at += names.back().size() + 1;
      }
      return names;
    }
    if (errno == ENOTSUP) return std::vector<std::string>{};
    if (errno != ERANGE || buf.size() > (std::size_t{1} << 20)) return std::nullopt;
    buf.resize(buf.size() * 4);
  }
}

std::optional<std::string> AttributeValue(FileReplaceCalls& calls, int fd,
                                          const std::string& name) {
  std::vector<char> buf(1024);
  for (;;) {
    const ssize_t n = calls.GetAttribute(fd, name, buf.data(), buf.size());
    if (n >= 0) return std::string(buf.data(), static_cast<std::size_t>(n));
    if (errno != ERANGE || buf.size() > (std::size_t{1} << 20)) return std::nullopt;
    buf.resize(buf.size() * 4);
  }
}

// Gives the new file the extended attributes of the old one, its access
// list among them, and no others (a folder's default access list gives a
// new file one of its own); false when any cannot be given.
bool CopyAttributes(FileReplaceCalls& calls, int from, int to) {
  const auto names = AttributeNames(calls, from);
  const auto own = AttributeNames(calls, to);
  if (!names || !own) return false;
  for (const std::string& name : *own) {
    if (std::find(names->begin(), names->end(), name) == names->end() &&
        calls.RemoveAttribute(to, name) != 0) {
      return false;
    }
  }
  for (const std::string& name : *names) {
    const auto value = AttributeValue(calls, from, name);
    if (!value || calls.SetAttribute(to, name, value->data(), value->size()) != 0) return false;
  }
  return true;
}

// Makes the new file the old one to its users: owner and group first, then
// the attributes and the mode, which only then widen it from its owner's
// alone. False when it cannot have any of them (a file of another user or
// group, which only its owner's rights could give away).
bool SameFileToItsUsers(FileReplaceCalls& calls, int fd, int oldFd, const struct stat& old) {
  struct stat now {};
  if (calls.Stat(fd, now) != 0) return false;
  if ((now.st_uid != old.st_uid || now.st_gid != old.st_gid) &&
      calls.Chown(fd, old.st_uid, old.st_gid) != 0) {
    return false;
  }
  if (!CopyAttributes(calls, oldFd, fd) || calls.Stat(fd, now) != 0) return false;
  // After the owner: a change of owner clears the set-id bits.
  if ((now.st_mode & 07777) != (old.st_mode & 07777) &&
      (calls.Chmod(fd, old.st_mode & 07777) != 0 || calls.Stat(fd, now) != 0)) {
    return false;
  }
  return now.st_uid == old.st_uid && now.st_gid == old.st_gid &&
         (now.st_mode & 07777) == (old.st_mode & 07777);
}

std::string TemporaryName(std::mt19937_64& rng) {
  static const char kHex[] = "0123456789abcdef";
  std::string name = ".tamrel-";
  std::uint64_t v = rng();
  for (int i = 0; i < 12; ++i, v >>= 4) name += kHex[v & 0xF];
  return name + ".tmp";
}

// Removes the new file beside the target. One given to another user in a
// sticky folder is no longer the user's to remove there: it is taken back
// first.
void RemoveTemporary(FileReplaceCalls& calls, const fs::path& temp, bool givenAway) {
  if (calls.Remove(temp) == 0 || !givenAway) return;
  if (::lchown(temp.c_str(), ::geteuid(), ::getegid()) == 0) calls.Remove(temp);
}

// A folder that keeps every name made in it (append-only): a file made
// there could never be removed again.
bool FolderKeepsItsNames(FileReplaceCalls& calls, const fs::path& folder) {
  int flags = 0;
  return calls.FolderFlags(folder, flags) == 0 && (flags & FS_APPEND_FL) != 0;
}

// The file that is there (fd, open for reading and writing, and st), or
// none: the content is written over it, the old content kept in memory and
// written back should the new one fail.
void WriteInPlace(FileReplaceCalls& calls, const fs::path& target, const fs::path& folder,
                  Descriptor& file, std::string_view bytes) {
  const bool exists = file.fd() >= 0;
  std::string old;
  if (exists) {
    std::optional<std::string> kept = ReadAll(calls, file.fd());
    if (!kept) throw FileReplaceError("its old content cannot be read to keep it");
    old = std::move(*kept);
  } else {
    file.Take(calls.Open(target, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
    if (file.fd() < 0) Fail("the file cannot be written", errno);
  }
  bool written = WriteWhole(calls, file.fd(), bytes);
  const int error = errno;
  written = file.Close() && written;
  if (written) {
    if (!exists) calls.SyncFolder(folder);
    return;
  }
  if (!exists) {
    calls.Remove(target);
    Fail("writing failed", error);
  }
  Descriptor back(calls, calls.Open(target, O_WRONLY | O_NOFOLLOW | O_CLOEXEC, 0));
  const bool restored = back.fd() >= 0 && WriteWhole(calls, back.fd(), old) && back.Close();
  if (!restored) {
    throw FileReplaceError("writing failed, and the old content could not be written back", true);
  }
  throw FileReplaceError(std::string("writing failed (") + std::strerror(error) +
                         "); the old content was written back");
}

// A call on the folder, opened for it and closed again; -1 with errno set
// when the folder cannot be opened or the call fails.
template <typename Call>
int OnFolder(const std::string& folder, Call call) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return -1;
  const int result = call(fd);
  const int error = errno;
  ::close(fd);
  errno = error;
  return result;
}

bool NoFileCanBeMadeThere(int error) {
  return error == EACCES || error == EPERM || error == ENAMETOOLONG || error == EROFS;
}

}  // namespace

int FileReplaceCalls::Open(const std::string& path, int flags, mode_t mode) {
  return ::open(path.c_str(), flags, mode);
}
ssize_t FileReplaceCalls::Read(int fd, char* data, std::size_t size, off_t offset) {
  return ::pread(fd, data, size, offset);
}
ssize_t FileReplaceCalls::Write(int fd, const char* data, std::size_t size) {
  return ::write(fd, data, size);
}
int FileReplaceCalls::Truncate(int fd, off_t length) {
  return ::ftruncate(fd, length);
}
int FileReplaceCalls::Sync(int fd) {
  return ::fsync(fd);
}
int FileReplaceCalls::Close(int fd) {
  return ::close(fd);
}
int FileReplaceCalls::Stat(int fd, struct stat& st) {
  return ::fstat(fd, &st);
}
int FileReplaceCalls::Chown(int fd, uid_t owner, gid_t group) {
  return ::fchown(fd, owner, group);
}
int FileReplaceCalls::Chmod(int fd, mode_t mode) {
  return ::fchmod(fd, mode);
}
ssize_t FileReplaceCalls::ListAttributes(int fd, char* names, std::size_t size) {
  return ::flistxattr(fd, names, size);
}
ssize_t FileReplaceCalls::GetAttribute(int fd, const std::string& name, char* value,
                                       std::size_t size) {
  return ::fgetxattr(fd, name.c_str(), value, size);
}
int FileReplaceCalls::SetAttribute(int fd, const std::string& name, const char* value,
                                   std::size_t size) {
  return ::fsetxattr(fd, name.c_str(), value, size, 0);
}
int FileReplaceCalls::RemoveAttribute(int fd, const std::string& name) {
  return ::fremovexattr(fd, name.c_str());
}
int FileReplaceCalls::FolderFlags(const std::string& folder, int& flags) {
  return OnFolder(folder, [&](int fd) { return ::ioctl(fd, FS_IOC_GETFLAGS, &flags); });
}
int FileReplaceCalls::Rename(const std::string& from, const std::string& to) {
  return ::rename(from.c_str(), to.c_str());
}
int FileReplaceCalls::Remove(const std::string& path) {
  return ::unlink(path.c_str());
}
int FileReplaceCalls::SyncFolder(const std::string& folder) {
  return OnFolder(folder, [](int fd) { return ::fsync(fd); });
}

FileReplaceCalls& SystemFileReplaceCalls() {
  static FileReplaceCalls calls;
  return calls;
}

fs::path FileToReplace(const fs::path& path) {
  if (path.empty()) throw FileReplaceError("no file named");
  const std::optional<fs::path> target = FollowLinks(path);
  if (!target) throw FileReplaceError("its links do not end in a file (a loop of links)");
  struct stat st {};
  if (::lstat(target->c_str(), &st) == 0 && !S_ISREG(st.st_mode)) {
    throw FileReplaceError("it is not a file");
  }
  return *target;
}

void ReplaceFile(const fs::path& path, std::string_view bytes, FileReplaceCalls& calls) {
  MakeFileSizeLimitAWriteError();
  const fs::path target = FileToReplace(path);
  // The folder as the path names it: the system resolves it, links and ".."
  // alike, for the new file, the rename and the flush.
  fs::path folder = target.parent_path();
  if (folder.empty()) folder = ".";

  // A file the user may not change is not replaced behind their back.
  Descriptor old(calls,
                 calls.Open(target, O_RDWR | O_NOFOLLOW | O_NOCTTY | O_NONBLOCK | O_CLOEXEC, 0));
  struct stat st {};
  if (old.fd() < 0 && errno != ENOENT) {
    if (NoFileCanBeMadeThere(errno) || errno == ETXTBSY) throw FileReplaceError("it is read-only");
    Fail("it cannot be opened", errno);
  }
  const bool exists = old.fd() >= 0;
  if (exists && (calls.Stat(old.fd(), st) != 0 || !S_ISREG(st.st_mode))) {
    throw FileReplaceError("it is not a file");
  }
  // A file of several names stays one file under all of them.
  if ((exists && st.st_nlink > 1) || FolderKeepsItsNames(calls, folder)) {
    WriteInPlace(calls, target, folder, old, bytes);
    return;
  }

  std::random_device seed;
  std::mt19937_64 rng((static_cast<std::uint64_t>(seed()) << 32) ^ seed());
  fs::path temp;
  Descriptor out(calls);
  for (int attempt = 0; attempt < kTemporaryNames && out.fd() < 0; ++attempt) {
    temp = folder / TemporaryName(rng);
    // Its owner's alone until it is the old file to its users.
    out.Take(calls.Open(temp, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                        exists ? 0600 : 0666));
    if (out.fd() >= 0 || errno == EEXIST) continue;
    if (NoFileCanBeMadeThere(errno)) {
      WriteInPlace(calls, target, folder, old, bytes);
      return;
    }
    Fail("no file can be made beside it", errno);
  }
  if (out.fd() < 0) throw FileReplaceError("no free name beside it");

  const bool givenAway = exists && st.st_uid != ::geteuid();
  if (exists && !SameFileToItsUsers(calls, out.fd(), old.fd(), st)) {
    out.Close();
    RemoveTemporary(calls, temp, givenAway);
    WriteInPlace(calls, target, folder, old, bytes);
    return;
  }
  bool written = WriteAll(calls, out.fd(), bytes) && calls.Sync(out.fd()) == 0;
  int error = errno;
  if (!out.Close() && written) {
    written = false;
    error = errno;
  }
  if (!written) {
    RemoveTemporary(calls, temp, givenAway);
    Fail("writing failed", error);
  }
  if (calls.Rename(temp, target) != 0) {
    error = errno;
    RemoveTemporary(calls, temp, givenAway);
    // A folder that lets the user write the file but not replace it.
    if (exists && (error == EPERM || error == EACCES)) {
      WriteInPlace(calls, target, folder, old, bytes);
      return;
    }
    Fail("the new file cannot take its name", error);
  }
  // The new file is whole on disk under its name. Should the folder not
  // take the flush, a crash could at worst bring back the old file, also
  // whole, so that does not make the write a failure.
  calls.SyncFolder(folder);
}

}  // namespace tamrel
