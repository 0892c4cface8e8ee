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
#include <cstdio>
#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "calc/design_state.h"
#include "calc/state_vars.h"  // kProjectFileLines

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
// main window's caption := "Tamrel DNV: " + path. Through a symbolic link
// (or a chain of them) the file it names is written, also one that does not
// exist yet; a loop of links is refused. The file is written beside the
// target under a temporary name with the old file's owner, group and mode,
// and renamed over it only when complete (the folder is synced after the
// rename). Where that cannot be (no file can be made beside it: a folder the
// user may not write, a path at the system's length limit; the new file
// cannot keep the old one's owner or group; the folder refuses the rename;
// the file has hard links) but the project file itself can be written, it
// is written in place; should that fail, its old content is written back.
// A failure throws ProjectFileError (CannotSave) and leaves filename and the
// caption alone.
void WriteProjectFile(DesignState& ds, const std::string& path);

// The two steps of a save that reach the disk, replaceable in tests to make
// them fail. writeAll: bytes as the whole content of an open file (from its
// start, cut to their length), flushed to the disk; false on any failure.
// syncFolder: makes a new or renamed entry of a folder durable.
struct ProjectSaveSteps {
  std::function<bool(std::FILE* file, std::string_view bytes)> writeAll;
  std::function<void(const std::filesystem::path& folder)> syncFolder;
};
ProjectSaveSteps DiskSaveSteps();
bool WriteWholeFile(std::FILE* file, std::string_view bytes);
void SyncFolder(const std::filesystem::path& folder);
void WriteProjectFile(DesignState& ds, const std::string& path, const ProjectSaveSteps& steps);

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
