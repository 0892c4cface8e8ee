#include "files/file_commands.h"

#include <exception>

#include "calc/checks.h"
#include "calc/defaults.h"
#include "calc/sections.h"
#include "calc/window.h"
#include "calc/yield.h"
#include "files/project_file.h"

namespace tamrel {

namespace {

bool IsSeparator(char c) {
  return c == '/' || c == '\\';
}
}  // namespace

std::string FolderOf(const std::string& path) {
  const auto slash = path.find_last_of("/\\");
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string RecentEntryFolder(const std::string& path) {
  // Drop the last four characters (UTF-8 sequences count as one).
  std::size_t end = path.size();
  for (int dropped = 0; dropped < 4 && end > 0; ++dropped) {
    do {
      --end;
    } while (end > 0 && (static_cast<unsigned char>(path[end]) & 0xC0) == 0x80);
  }
  while (end > 0 && !IsSeparator(path[end - 1])) --end;
  return path.substr(0, end);
}

void SavedProject::Take(const DesignState& ds) {
  text_ = ProjectFileText(ds);
}

bool SavedProject::Changed(const DesignState& ds) const {
  return text_.empty() || ProjectFileText(ds) != text_;
}

std::string SaveChangesQuestion(const std::string& filename) {
  return "The project has changed. Save the changes to " + filename + "?";
}

// Reads a project; a file that is not there says so, any other failure shows
// what is wrong with the file. A failed read changes nothing.
bool FileCommands::Read(const std::string& path) {
  try {
    ReadProjectFile(ds, path);
    return true;
  } catch (const ProjectFileError& e) {
    if (e.kind() == ProjectFileError::Kind::NotFound) {
      host.ShowExclamation("can't find file - " + path);
    } else {
      host.ShowExclamation(e.what());
    }
    return false;
  }
}

// Writes the project; a failed save leaves the old file and filename as they were.
bool FileCommands::Write(const std::string& path) {
  try {
    WriteProjectFile(ds, path);
    return true;
  } catch (const ProjectFileError& e) {
    std::string message = "can't save file - " + path;
    if (e.fileMayBeDamaged()) message += kDamagedFileNote;
    host.ShowExclamation(message);
    return false;
  }
}

// After a project was read and the section dialogs were closed: look up the
// yield strengths, compute the stiffener section, refill the window and
// recalculate.
void FileCommands::AfterRead() {
  GetShellYield(ds, ds.matp);
  CalcStiffSection(ds, ds.stifftype);
  GetStiffenerYield(ds, ds.mats);
  host.ShowDesignState();
  Recalculate(ds);
}

// The recent-file list is a convenience: when the settings store cannot be
// written the list stays as it was and the command goes on.
template <class Update>
void FileCommands::UpdateRecent(Update update) {
  try {
    update();
    ShowRecentFiles(store, menu);
  } catch (const std::exception&) {
    return;
  }
  host.RecentFilesChanged();
}

bool FileCommands::MayDropProject() {
  if (!saved.Changed(ds)) return true;
  switch (host.AskSaveChanges(SaveChangesQuestion(ds.filename))) {
    case FileCommandHost::SaveAnswer::Yes: return Save();
    case FileCommandHost::SaveAnswer::No: return true;
    case FileCommandHost::SaveAnswer::Cancel: return false;
  }
  return false;
}

void FileCommands::New() {
  if (!MayDropProject()) return;
  SetDefaults(ds);
  // The caption names the project it shows: a later Save asks for a name.
  if (ds.mainfrm != nullptr) ds.mainfrm->SetWindowCaption("Tamrel DNV: " + ds.filename);
  host.ShowDesignState();
  Recalculate(ds);
  saved.Take(ds);
}

void FileCommands::Open() {
  if (!MayDropProject()) return;
  const auto chosen = host.ShowOpenDialog(ds.lastdir);
  if (!chosen) return;
  const std::string path = *chosen;
  const bool current = path == ds.filename;
  // The chosen file becomes the current project (filename, caption) only
  // once it has been read: a failed read must not leave the old project
  // under the new name, where a Save would overwrite the file with it.
  if (!Read(path)) return;
  if (!current) UpdateRecent([&] { AddRecentFileOnOpen(store, menu, path); });
  host.UnloadSectionDialogs();
  ds.lastdir = FolderOf(path);
  AfterRead();
  saved.Take(ds);
}

void FileCommands::OpenRecent(int index) {
  if (index < 1 || index > kRecentFileCount) return;
  const std::string path =
      RecentFileCaptionPath(menu.mnurecentfile[static_cast<std::size_t>(index)].caption);
  if (!MayDropProject()) return;
  // A save under a new name has put that name at the front: the entry
  // chosen is the file, wherever the list holds it now.
  auto shows = [&](int i) {
    const RecentFileItem& item = menu.mnurecentfile[static_cast<std::size_t>(i)];
    return item.visible && RecentFileCaptionPath(item.caption) == path;
  };
  for (int i = 1; !shows(index) && i <= kRecentFileCount; ++i) {
    if (shows(i)) index = i;
  }
  const std::string dir = RecentEntryFolder(path);
  if (path != ds.filename) {
    if (shows(index)) {
      UpdateRecent([&] { PromoteRecentFile(store, path, static_cast<std::int16_t>(index)); });
    } else {
      UpdateRecent([&] { AddRecentFileOnOpen(store, menu, path); });
    }
  }
  if (!Read(path)) return;
  ds.lastdir = dir;
  host.UnloadSectionDialogs();
  AfterRead();
  saved.Take(ds);
}

bool FileCommands::Save() {
  ds.ident = host.IdentificationText();
  ds.proj = host.ProjectNameText();
  if (ds.filename != kNewFile) {
    if (!Write(ds.filename)) return false;
    saved.Take(ds);
    return true;
  }
  const auto chosen = host.ShowSaveDialog("", "*.tmr");
  if (!chosen) return false;
  if (!Write(*chosen)) return false;
  saved.Take(ds);
  ds.lastdir = FolderOf(*chosen);
  UpdateRecent([&] { AddRecentFileOnSave(store, *chosen); });
  return true;
}

bool FileCommands::SaveAs() {
  ds.ident = host.IdentificationText();
  ds.proj = host.ProjectNameText();
  const auto chosen = host.ShowSaveDialog(ds.lastdir, ds.filename);
  if (!chosen) return false;
  const std::string path = *chosen;
  const bool samePath = path == ds.filename;
  if (!Write(path)) return false;
  saved.Take(ds);
  ds.lastdir = FolderOf(path);
  if (!samePath) UpdateRecent([&] { AddRecentFileOnSave(store, path); });
  return true;
}

}  // namespace tamrel
