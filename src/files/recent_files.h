#pragma once
// The recent-file list: the last four project files, kept in the per-user
// settings store (application "Tamrel DNV", section "Recent Files", keys
// "RecentFile1".."RecentFile4", "RecentFile1" the most recent) and shown in
// the File menu's control array mnurecentfile.

#include <array>
#include <cstdint>
#include <string>

#include "files/settings_store.h"

namespace tamrel {

inline constexpr const char* kRecentFilesApp = "Tamrel DNV";
inline constexpr const char* kRecentFilesSection = "Recent Files";
inline constexpr int kRecentFileCount = 4;

// "RecentFile" followed by the number (1..4).
std::string RecentFileKey(int number);

struct RecentFileItem {
  std::string caption;
  bool visible = false;
};

// The five menu items mnurecentfile(0..4): item 0 the separator "-", items
// 1..4 the entries "1. path" .. "4. path". All hidden when the window is
// created, the entries with their placeholder captions (which never equal a
// path). The main window shows the items as this model holds them.
struct RecentFileMenu {
  RecentFileMenu();
  std::array<RecentFileItem, kRecentFileCount + 1> mnurecentfile;
};

// The path an entry's caption shows: the caption without its first three
// characters (the number, the point and the blank).
std::string RecentFileCaptionPath(const std::string& caption);

// Fills the menu from the store. Nothing when "RecentFile1" is empty; else
// the separator and entry k for each key "RecentFile" k the section holds
// are shown, an empty value too (keys are read by name, whatever order the
// store keeps; other keys are passed over). Entries without a
// key keep their caption and visibility: nothing is ever hidden again.
void ShowRecentFiles(const SettingsStore& store, RecentFileMenu& menu);

// After a newly chosen file was read: an entry of the menu showing path
// (exact, case-sensitive) moves to the front; otherwise path is pushed onto
// the front and the fourth is dropped. The values that move come from the store.
void AddRecentFileOnOpen(SettingsStore& store, const RecentFileMenu& menu, const std::string& path);

// After a save under a newly chosen name: path is pushed onto the front, even
// when the list already holds it further down.
void AddRecentFileOnSave(SettingsStore& store, const std::string& path);

// After entry index (1..4) was chosen while another project was current: the
// entries before it move down one and path goes to the front; any other
// index only sets the front.
void PromoteRecentFile(SettingsStore& store, const std::string& path, std::int16_t index);

}  // namespace tamrel
