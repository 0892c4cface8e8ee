#pragma once
// The file named for the print's PDF output, looked at before anything
// opens it: opening a pipe for writing waits for a reader, opening a device
// has effects of its own, and a file opened through a symbolic link to a
// file not yet there is made at the link's target.

#include <QString>
#include <optional>

namespace tamrel {

// The file that PDF output named `chosen` is written to: `chosen` itself,
// or where its chain of symbolic links ends (a file that need not exist
// yet). Nothing when no PDF can be written there: a loop of links, or a
// folder, pipe, device or socket at the end. The name is looked at with
// lstat and stat only; nothing is opened or made. A name that cannot be
// looked at (a folder on the way that is missing or may not be searched)
// is handed on as it is: writing it fails as an ordinary file would.
std::optional<QString> PdfOutputFile(const QString& chosen);

}  // namespace tamrel
