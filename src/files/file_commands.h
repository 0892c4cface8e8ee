#pragma once
// The File menu's commands New, Open, a recent-file entry, Save and Save As:
// the file dialogs they show, the order in which they read or write the
// project file and keep the recent-file list, and how they bring the window
// and the results up to date. New, Open, a recent entry and the end of the
// program drop the project only after asking whether to save it, when it
// has changed since the last New, Open or Save.
//
// The commands reach the window through FileCommandHost, so that they are
// the same in the program and in tests.

#include <optional>
#include <string>

#include "calc/design_state.h"
#include "files/recent_files.h"
#include "files/settings_store.h"

namespace tamrel {

class FileCommandHost {
 public:
  virtual ~FileCommandHost() = default;
  // The open dialog for "*.tmr" files starting in initDir; nullopt when cancelled.
  virtual std::optional<std::string> ShowOpenDialog(const std::string& initDir) = 0;
  // The save dialog for "*.tmr" files; initDir empty: where its last use left
  // it; proposed: the file name offered. nullopt when cancelled.
  virtual std::optional<std::string> ShowSaveDialog(const std::string& initDir,
                                                    const std::string& proposed) = 0;
  // Message box with the exclamation icon.
  virtual void ShowExclamation(const std::string& text) = 0;
  enum class SaveAnswer { Yes, No, Cancel };
  // The question whether to save the changes first, in the same kind of box
  // with Yes, No and Cancel.
  virtual SaveAnswer AskSaveChanges(const std::string& question) = 0;
  // The texts of the project-name and identification boxes (iproj, iident).
  virtual std::string ProjectNameText() = 0;
  virtual std::string IdentificationText() = 0;
  // Refill the whole window from the design state.
  virtual void ShowDesignState() = 0;
  // Close every open section dialog (each runs its own closing behaviour).
  virtual void UnloadSectionDialogs() = 0;
  // The recent-file menu model changed: show it.
  virtual void RecentFilesChanged() = 0;
};

// The project as the project file holds it at the last New, Open or Save:
// the text the project writer would write. The project has changed since
// then when it would now be written differently; a change put back by hand
// counts as none. Nothing is worked out per input: only when asked.
class SavedProject {
 public:
  void Take(const DesignState& ds);
  // True also before anything was taken.
  bool Changed(const DesignState& ds) const;

 private:
  std::string text_;
};

struct FileCommands {
  DesignState& ds;
  FileCommandHost& host;
  SettingsStore& store;
  RecentFileMenu& menu;
  SavedProject& saved;

  void New();
  void Open();
  void OpenRecent(int index);  // menu entry 1..4
  // True when the project was written.
  bool Save();
  bool SaveAs();
  // Before the project is dropped (New, Open, a recent entry, the end of
  // the program): when it has changed, asks whether to save it first. Yes
  // saves it (Save, which asks for a name for a project never saved); No
  // drops it; Cancel keeps it. False when the command must stop: Cancel, or
  // a save that failed or was cancelled.
  bool MayDropProject();

 private:
  bool Read(const std::string& path);
  bool Write(const std::string& path);
  void AfterRead();
  template <class Update>
  void UpdateRecent(Update update);
};

// The question before a changed project is dropped, naming its file
// ("New File" for a project never saved).
std::string SaveChangesQuestion(const std::string& filename);

// Added to "can't save file - <path>" when a save in place failed and the
// old content could not be written back either.
inline constexpr const char* kDamagedFileNote =
    "\n\nThe file on disk may now be damaged: the new project could not be written "
    "whole, and its old content could not be written back. The project is still open; "
    "save it under another name with Save As.";

// The folder of a path, with its trailing separator ("" when it has none).
std::string FolderOf(const std::string& path);

// The folder a recent-file entry opens in: the path less its last four
// characters (the extension ".tmr"), then cut back to its last separator,
// which it keeps ("" when none is left).
std::string RecentEntryFolder(const std::string& path);

}  // namespace tamrel
