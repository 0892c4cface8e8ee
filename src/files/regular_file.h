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

// A text read from a file, quoted for a message, so that the message reads
// as the bytes of the file and nothing in them can end it early, hide part
// of it or turn it around: at most maxChars bytes of the text, cut before a
// whole character ("..." marks the cut; an escape is never cut in half),
// between double quotes, with
//   \\, \"    for a backslash and a double quote, so that "\0" in the file
//             reads "\\0" and a quote in it does not end the quoted text;
//   \0         for a NUL (a message box ends its text there);
//   \xNN       for the other control characters below 0x20 but the tab, for
//             DEL (0x7F), and for each byte that starts no valid UTF-8
//             character (an overlong form, a surrogate, a stray or cut
//             sequence, an 8-bit byte of another code page): NN is the
//             byte's value, two upper-case hex digits;
//   \u{N}      for a character a message box would not show but obey: the C1
//             controls U+0080..U+009F, the line and paragraph separators
//             U+2028 and U+2029, and the bidirectional controls U+061C,
//             U+200E, U+200F, U+202A..U+202E and U+2066..U+2069; N is the code
//             point in upper-case hex without leading zeros: "\u{85}",
//             "\u{202E}".
// Every other character is kept as it is. The result is valid UTF-8 whatever
// the text.
std::string QuotedForMessage(std::string_view text, std::size_t maxChars = 40);

}  // namespace tamrel
