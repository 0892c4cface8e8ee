#pragma once
// The File menu's commands New, Open, a recent-file entry, Save and Save As:
// the file dialogs they show, the order in which they read or write the
// project file and keep the recent-file list, and how they bring the window
// and the results up to date. There is no question whether to save changes:
// New, Open and a recent entry replace the project at once.
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

struct FileCommands {
  DesignState& ds;
  FileCommandHost& host;
  SettingsStore& store;
  RecentFileMenu& menu;

  void New();
  void Open();
  void OpenRecent(int index);  // menu entry 1..4
  void Save();
  void SaveAs();

 private:
  bool Read(const std::string& path);
  bool Write(const std::string& path);
  void AfterRead();
  template <class Update>
  void UpdateRecent(Update update);
};

// The folder of a path, with its trailing separator ("" when it has none).
std::string FolderOf(const std::string& path);

// The folder a recent-file entry opens in: the path less its last four
// characters (the extension ".tmr"), then cut back to its last separator,
// which it keeps ("" when none is left).
std::string RecentEntryFolder(const std::string& path);

}  // namespace tamrel
