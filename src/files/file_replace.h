#pragma once
// One routine replaces the content of a file, for the project save and the
// report's PDF print alike, so that a file stays what it was to its users
// and a failure at any step leaves the old file as it was.
//
// A path through a symbolic link (or a chain of them) writes the file the
// chain ends in, also one that does not exist yet; the links stay links.
// The folder part of the path is left to the system to resolve, ".." after
// a link to a folder included. The new content goes into a file of its own
// beside the target, under a short name (".tamrel-<hex>.tmp"), created
// readable and writable by its owner only; it is given the old file's
// owner and group, then its access list (ACL) and other extended
// attributes, then its mode; it is written whole, flushed to the disk and
// closed, and only then renamed over the target; last, the folder is
// flushed so that the rename is on the disk too. A file that did not exist
// gets the mode every new file gets (0666 less the umask, or the folder's
// default access list).
//
// The file is written in place instead, where a new file could not be the
// same file to its users: the file has other names (hard links); no file
// can be made beside it (a folder the user may not write, a path at the
// system's length limit); the folder lets no name be removed (append-only);
// the new file cannot have the old one's owner, group, mode or attributes;
// the folder refuses the rename (a file of another user in a sticky
// folder). The old content is then kept in memory and written back when
// the new one cannot be written whole; when that fails too, the error says
// the file may be damaged. A file that did not exist is removed again.

#include <sys/stat.h>
#include <sys/types.h>

#include <cstddef>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

namespace tamrel {

// A file that cannot be replaced; what() says why, in a few words.
class FileReplaceError : public std::runtime_error {
 public:
  explicit FileReplaceError(const std::string& why, bool fileMayBeDamaged = false)
      : std::runtime_error(why), fileMayBeDamaged_(fileMayBeDamaged) {}
  // Written in place, the new content failed part of the way and the old
  // content could not be written back: the file may be neither.
  bool fileMayBeDamaged() const { return fileMayBeDamaged_; }

 private:
  bool fileMayBeDamaged_ = false;
};

// The system calls through which a file is replaced, so that a test can
// make any of them fail. Each returns as the POSIX call it stands for
// (-1 and errno on failure).
class FileReplaceCalls {
 public:
  virtual ~FileReplaceCalls() = default;
  virtual int Open(const std::string& path, int flags, mode_t mode);         // open(2)
  virtual ssize_t Read(int fd, char* data, std::size_t size, off_t offset);  // pread(2)
  virtual ssize_t Write(int fd, const char* data, std::size_t size);
  virtual int Truncate(int fd, off_t length);  // ftruncate(2)
  virtual int Sync(int fd);                    // fsync(2)
  virtual int Close(int fd);
  virtual int Stat(int fd, struct stat& st);  // fstat(2)
  virtual int Chown(int fd, uid_t owner, gid_t group);
  virtual int Chmod(int fd, mode_t mode);
  // Extended attributes (flistxattr(2), fgetxattr(2), fsetxattr(2),
  // fremovexattr(2)); an access list is the attribute system.posix_acl_access.
  virtual ssize_t ListAttributes(int fd, char* names, std::size_t size);
  virtual ssize_t GetAttribute(int fd, const std::string& name, char* value, std::size_t size);
  virtual int SetAttribute(int fd, const std::string& name, const char* value, std::size_t size);
  virtual int RemoveAttribute(int fd, const std::string& name);
  // The inode flags of a folder (FS_IOC_GETFLAGS: append-only, immutable).
  virtual int FolderFlags(const std::string& folder, int& flags);
  virtual int Rename(const std::string& from, const std::string& to);
  virtual int Remove(const std::string& path);  // unlink(2)
  // fsync(2) of a folder, so that a new or renamed entry in it is on disk.
  virtual int SyncFolder(const std::string& folder);
};

// The calls of the system itself.
FileReplaceCalls& SystemFileReplaceCalls();

// The file a write to path replaces: the end of its chain of links, which
// need not exist. Throws FileReplaceError where no file can be written
// there: a loop of links (or more than the system follows), a folder, a
// pipe, a device.
std::filesystem::path FileToReplace(const std::filesystem::path& path);

// Replaces the content of the file at path (see above) with bytes. A write
// past the file-size limit fails like any other (SIGXFSZ is ignored where
// it has its default action). Throws FileReplaceError when the file cannot
// be replaced; the old file is then as it was, unless fileMayBeDamaged().
void ReplaceFile(const std::filesystem::path& path, std::string_view bytes,
                 FileReplaceCalls& calls = SystemFileReplaceCalls());

}  // namespace tamrel
