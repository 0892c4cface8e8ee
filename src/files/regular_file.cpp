#include "files/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>

namespace tamrel {

namespace {

// Closes the descriptor at the end of the read.
struct Descriptor {
  int fd = -1;
  ~Descriptor() {
    if (fd >= 0) ::close(fd);
  }
};

FileReadFault FaultOfMode(mode_t mode) {
  if (S_ISDIR(mode)) return FileReadFault::Folder;
  if (!S_ISREG(mode)) return FileReadFault::NotAFile;
  return FileReadFault::None;
}

}  // namespace

FileReadFault ReadRegularFile(const std::filesystem::path& path, std::size_t maxBytes,
                              std::string& content) {
  content.clear();
  // Looked at before it is opened: opening some devices has effects of its own.
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) {
    return errno == ENOENT || errno == ENOTDIR ? FileReadFault::NotFound
                                               : FileReadFault::CannotOpen;
  }
  if (const FileReadFault fault = FaultOfMode(st.st_mode); fault != FileReadFault::None) {
    return fault;
  }
  Descriptor in;
  in.fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (in.fd < 0) return errno == ENOENT ? FileReadFault::NotFound : FileReadFault::CannotOpen;
  if (::fstat(in.fd, &st) != 0) return FileReadFault::CannotRead;
  if (const FileReadFault fault = FaultOfMode(st.st_mode); fault != FileReadFault::None) {
    return fault;
  }
  if (static_cast<std::uintmax_t>(st.st_size) > maxBytes) return FileReadFault::TooLarge;
  const int flags = ::fcntl(in.fd, F_GETFL);
  if (flags < 0 || ::fcntl(in.fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
    return FileReadFault::CannotRead;
  }
  // Read to the end, one byte past the limit at most: a file that grows
  // while it is read is still held to the limit.
  std::string text;
  char buf[8192];
  for (;;) {
    const ssize_t n = ::read(in.fd, buf, sizeof buf);
    if (n < 0) {
      if (errno == EINTR) continue;
      return FileReadFault::CannotRead;
    }
    if (n == 0) break;
    text.append(buf, static_cast<std::size_t>(n));
    if (text.size() > maxBytes) return FileReadFault::TooLarge;
  }
  content = std::move(text);
  return FileReadFault::None;
}

std::optional<std::filesystem::path> FollowLinks(const std::filesystem::path& path) {
  namespace fs = std::filesystem;
  constexpr int kMaxLinks = 40;  // the system's own limit on a path's links
  fs::path p = path;
  for (int hops = 0; hops <= kMaxLinks; ++hops) {
    std::error_code ec;
    if (!fs::is_symlink(fs::symlink_status(p, ec))) return p;
    const fs::path to = fs::read_symlink(p, ec);
    if (ec) return std::nullopt;
    p = to.is_absolute() ? to : p.parent_path() / to;
  }
  return std::nullopt;
}

std::string QuotedForMessage(std::string_view text, std::size_t maxChars) {
  std::size_t cut = text.size() < maxChars ? text.size() : maxChars;
  // The text read is UTF-8: cut before a whole character, so that the
  // message stays valid UTF-8.
  while (cut > 0 && cut < text.size() && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) {
    --cut;
  }
  static const char kHex[] = "0123456789ABCDEF";
  std::string out = "\"";
  for (std::size_t i = 0; i < cut; ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c == 0) {
      out += "\\0";
    } else if ((c < 0x20 && c != '\t') || c == 0x7F) {
      out += "\\x";
      out += kHex[c >> 4];
      out += kHex[c & 0xF];
    } else {
      out += static_cast<char>(c);
    }
  }
  if (text.size() > cut) out += "...";
  return out + "\"";
}

}  // namespace tamrel
