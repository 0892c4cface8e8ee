#include "files/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>

#include "files/text_encoding.h"

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

namespace {

// Characters that show nothing of themselves and change how the text
// around them reads: the C1 controls, the line and paragraph separators,
// and the bidirectional controls (the Arabic letter mark, the left-to-right
// and right-to-left marks, embeddings, overrides and isolates), which can
// turn the rest of a message around.
bool ShownAsCodePoint(char32_t cp) {
  return (cp >= 0x80 && cp <= 0x9F) || cp == 0x061C || cp == 0x200E || cp == 0x200F ||
         (cp >= 0x2028 && cp <= 0x202E) || (cp >= 0x2066 && cp <= 0x2069);
}

constexpr char kHexDigits[] = "0123456789ABCDEF";

void AppendByteEscape(std::string& out, unsigned char b) {
  out += "\\x";
  out += kHexDigits[b >> 4];
  out += kHexDigits[b & 0xF];
}

void AppendCodePointEscape(std::string& out, char32_t cp) {
  char digits[8];
  int n = 0;
  do {
    digits[n++] = kHexDigits[cp & 0xF];
    cp >>= 4;
  } while (cp != 0);
  out += "\\u{";
  while (n > 0) out += digits[--n];
  out += '}';
}

}  // namespace

std::string QuotedForMessage(std::string_view text, std::size_t maxChars) {
  std::string out = "\"";
  std::size_t i = 0;
  while (i < text.size()) {
    char32_t cp = 0;
    const std::size_t length = Utf8CharAt(text, i, cp);
    // A byte that starts no character stands for itself alone.
    if (i + (length > 0 ? length : 1) > maxChars) break;  // cut before a whole character
    const auto b = static_cast<unsigned char>(text[i]);
    if (length == 0) {
      AppendByteEscape(out, b);
      ++i;
      continue;
    }
    if (cp == 0) {
      out += "\\0";
    } else if (cp == '\\' || cp == '"') {
      out += '\\';
      out += static_cast<char>(cp);
    } else if ((cp < 0x20 && cp != '\t') || cp == 0x7F) {
      AppendByteEscape(out, b);
    } else if (ShownAsCodePoint(cp)) {
      AppendCodePointEscape(out, cp);
    } else {
      out.append(text.substr(i, length));
    }
    i += length;
  }
  if (i < text.size()) out += "...";
  return out + "\"";
}

}  // namespace tamrel
