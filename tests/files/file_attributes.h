#pragma once
// Extended attributes of scratch files, and access lists (ACLs) in the form
// the system keeps them in (the attribute system.posix_acl_access).

#include <sys/types.h>
#include <sys/xattr.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tamrel::testing {

inline constexpr const char* kAccessListAttribute = "system.posix_acl_access";

// An entry of an access list: its kind, its rights (4 read, 2 write,
// 1 execute) and, for a named user or group, the id.
struct AccessEntry {
  std::uint16_t tag;
  std::uint16_t rights;
  std::uint32_t id = 0xFFFFFFFFu;  // none
};
enum : std::uint16_t {
  kOwnerEntry = 0x01,
  kUserEntry = 0x02,
  kGroupEntry = 0x04,
  kMaskEntry = 0x10,
  kOtherEntry = 0x20,
};

// The attribute's value: version 2, then each entry (kinds in ascending
// order), all little-endian.
inline std::string AccessList(const std::vector<AccessEntry>& entries) {
  std::string bytes;
  const auto put = [&](std::uint32_t v, int size) {
    for (int i = 0; i < size; ++i) bytes += static_cast<char>((v >> (8 * i)) & 0xFF);
  };
  put(2, 4);
  for (const AccessEntry& e : entries) {
    put(e.tag, 2);
    put(e.rights, 2);
    put(e.id, 4);
  }
  return bytes;
}

// A file the owner and one more user may read and write, and its group
// too, but for the mask, which leaves the group and that user reading
// only; others have no rights. Its mode reads 0640.
inline std::string SharedWithOneUser(uid_t user) {
  return AccessList({{kOwnerEntry, 6},
                     {kUserEntry, 6, static_cast<std::uint32_t>(user)},
                     {kGroupEntry, 6},
                     {kMaskEntry, 4},
                     {kOtherEntry, 0}});
}

inline bool SetAttribute(const std::string& path, const std::string& name,
                         const std::string& value) {
  return ::setxattr(path.c_str(), name.c_str(), value.data(), value.size(), 0) == 0;
}

// The attribute's value; nothing when the file has none of that name.
inline std::optional<std::string> Attribute(const std::string& path, const std::string& name) {
  const ssize_t size = ::getxattr(path.c_str(), name.c_str(), nullptr, 0);
  if (size < 0) return std::nullopt;
  std::string value(static_cast<std::size_t>(size), '\0');
  const ssize_t got = ::getxattr(path.c_str(), name.c_str(), value.data(), value.size());
  if (got < 0) return std::nullopt;
  value.resize(static_cast<std::size_t>(got));
  return value;
}

}  // namespace tamrel::testing
