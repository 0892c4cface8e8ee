#pragma once
// The project file ("*.tmr"): a text file of one value per line, CR LF line
// ends, format 170 with 59 lines. The reader also reads the earlier formats
// (130 and below: 50 lines; 105 and below: 49 lines) and repairs what the
// file does not carry: the stiffener's row in its rolled-profile table, the
// built-up set of the current stiffener and ring-frame types, and stiffnote.
//
// Both routines either succeed completely or change nothing: a failed read
// leaves the design state as it was, a failed save leaves the previous file
// and filename as they were (a save in place that fails writes the old
// content back; only when that fails too can the file be left part written).

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

#include "calc/design_state.h"
#include "calc/state_vars.h"  // kProjectFileLines
#include "files/file_replace.h"

namespace tamrel {

inline constexpr std::int16_t kProjectFileVersion = 170;

class ProjectFileError : public std::runtime_error {
 public:
  enum class Kind {
    NotFound,    // reading: no file at the path
    CannotSave,  // writing: the file could not be created, written or put in place
    BadContent,  // reading: cut short, a number line that is not a number, out of range
    ReadFailed,  // reading: the file exists but cannot be read
  };
  ProjectFileError(Kind kind, std::string path, const std::string& message,
                   bool fileMayBeDamaged = false)
      : std::runtime_error(message),
        kind_(kind),
        path_(std::move(path)),
        fileMayBeDamaged_(fileMayBeDamaged) {}
  Kind kind() const { return kind_; }
  const std::string& path() const { return path_; }
  // A save in place whose write failed, and whose write-back of the old
  // content failed too: the file on disk may be neither.
  bool fileMayBeDamaged() const { return fileMayBeDamaged_; }

 private:
  Kind kind_;
  std::string path_;
  bool fileMayBeDamaged_ = false;
};

// Writes the 59 lines of the project to path, then filename := path and the
// main window's caption := "Tamrel DNV: " + path. The file is replaced as
// ReplaceFile replaces a file (files/file_replace.h): through a chain of
// links the file it names is written, also one that does not exist yet; the
// old file keeps its owner, group, mode, access list and attributes, its
// hard links, or it is written in place with its old content written back
// should the new one fail. A failure throws ProjectFileError (CannotSave;
// fileMayBeDamaged() where the write-back failed too) and leaves filename
// and the caption alone.
void WriteProjectFile(DesignState& ds, const std::string& path);

// The same through calls of the system that a test can make fail.
void WriteProjectFile(DesignState& ds, const std::string& path, FileReplaceCalls& calls);

// Reads the project file at path into the design state, by its format number
// on line 1 (fileverin), then filename := path, the caption as the writer
// sets it, the stiffener row repair and the built-up set refill. Lines a
// format older than 170 lacks keep the values they held before.
void ReadProjectFile(DesignState& ds, const std::string& path);

// ReadProjectFile once the file's bytes are taken: content read over a copy
// of the project, which replaces it only when the whole file was read; then
// filename, caption, row repair and built-up set refill. A failure
// (ProjectFileError, BadContent) leaves ds as it was.
void ReadProjectFileContent(DesignState& ds, std::string_view content, const std::string& path);

// The text of the project file (59 lines with CR LF), as WriteProjectFile writes it.
std::string ProjectFileText(const DesignState& ds);

// Reads the content of a project file into ds (lines 1 to 59 or as many as
// its format calls for; stiffnote := 1); path only names the file in
// messages. Throws ProjectFileError (BadContent); ds may then be partly read.
void ParseProjectFileText(DesignState& ds, std::string_view content, const std::string& path);

// Finds the stiffener's table row again from its dimensions (L, T, flat bar
// and bulb-flat tables; the last matching row wins; no match keeps the index).
void RepairStiffenerRow(DesignState& ds);

// Copies the current stiffener and ring-frame dimensions into the built-up
// set of their current type; the other sets keep what they hold.
void RefillBuiltUpSets(DesignState& ds);

}  // namespace tamrel
