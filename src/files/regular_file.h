#pragma once
// Whole-file reads of the files the program reads as text: project files
// and data tables. Only a regular file of a size the reader can take is
// read: a pipe or a device in its place would block the read or never end,
// and a file far larger than any such file is not one.

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tamrel {

enum class FileReadFault {
  None,
  NotFound,    // no file at the path (also a link to nothing)
  Folder,      // a folder where the file should be
  NotAFile,    // a pipe, a device, a socket
  CannotOpen,  // there, but the user may not read it
  TooLarge,    // more than the reader's limit
  CannotRead,  // a read failed part of the way
};

// Reads the regular file at path whole into content, at most maxBytes.
// The file is opened without blocking and checked again once open, so a
// pipe put in its place between the check and the open is refused too.
// content is left empty on a fault.
FileReadFault ReadRegularFile(const std::filesystem::path& path, std::size_t maxBytes,
                              std::string& content);

// Follows a chain of symbolic links from path to the path it ends in, which
// need not exist yet (a file written through a link to a missing file is
// made where the link points). Nothing when the chain does not end (a loop,
// more links than the system itself follows) or a link cannot be read.
std::optional<std::filesystem::path> FollowLinks(const std::filesystem::path& path);

// A text read from a file, quoted for a message: at most maxChars bytes
// (cut before a whole UTF-8 character, "..." marks the cut), each control
// character made visible ("\0" for a NUL, "\xNN" for the others but the
// tab), since a message box ends its text at a NUL and hides the others.
std::string QuotedForMessage(std::string_view text, std::size_t maxChars = 40);

}  // namespace tamrel
