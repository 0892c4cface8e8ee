#include "files/recent_files.h"

#include <charconv>

namespace tamrel {

namespace {

std::string NumberText(int n) {
  char buf[12];
  const auto res = std::to_chars(buf, buf + sizeof buf, n);
  return std::string(buf, res.ptr);
}

std::string Get(const SettingsStore& store, int number) {
  return store.GetSetting(kRecentFilesApp, kRecentFilesSection, RecentFileKey(number));
}

void Set(SettingsStore& store, int number, const std::string& value) {
  store.SaveSetting(kRecentFilesApp, kRecentFilesSection, RecentFileKey(number), value);
}

// Entries 1..upTo-1 move down one (upTo := value of upTo-1, ...), then path
// goes to the front.
void MoveToFront(SettingsStore& store, const std::string& path, int upTo) {
  for (int k = upTo; k >= 2; --k) Set(store, k, Get(store, k - 1));
  Set(store, 1, path);
}

// Pushes path onto the front: each non-empty key of 3, 2, 1 moves down one.
void Push(SettingsStore& store, const std::string& path) {
  for (int i = kRecentFileCount - 1; i >= 1; --i) {
    const std::string value = Get(store, i);
    if (!value.empty()) Set(store, i + 1, value);
  }
  Set(store, 1, path);
}

// The entry number of a key "RecentFile1".."RecentFile4", else 0.
int EntryOfKey(const std::string& key) {
  for (int k = 1; k <= kRecentFileCount; ++k) {
    if (key == RecentFileKey(k)) return k;
  }
  return 0;
}

}  // namespace

std::string RecentFileKey(int number) {
  return "RecentFile" + NumberText(number);
}

RecentFileMenu::RecentFileMenu()
    : mnurecentfile{{{"-", false},
                     {"oldfile1", false},
                     {"oldfile1", false},
                     {"oldfile3", false},
                     {"oldfile4", false}}} {}

std::string RecentFileCaptionPath(const std::string& caption) {
  return caption.size() > 3 ? caption.substr(3) : std::string();
}

void ShowRecentFiles(const SettingsStore& store, RecentFileMenu& menu) {
  if (Get(store, 1).empty()) return;
  for (const auto& [key, value] : store.GetAllSettings(kRecentFilesApp, kRecentFilesSection)) {
    const int k = EntryOfKey(key);
    if (k == 0) continue;
    menu.mnurecentfile[0].visible = true;
    RecentFileItem& item = menu.mnurecentfile[static_cast<std::size_t>(k)];
    item.caption = NumberText(k) + ". " + value;
    item.visible = true;
  }
}

void AddRecentFileOnOpen(SettingsStore& store, const RecentFileMenu& menu,
                         const std::string& path) {
  for (int k = 1; k <= kRecentFileCount; ++k) {
    if (RecentFileCaptionPath(menu.mnurecentfile[static_cast<std::size_t>(k)].caption) == path) {
      MoveToFront(store, path, k);
      return;
    }
  }
  Push(store, path);
}

void AddRecentFileOnSave(SettingsStore& store, const std::string& path) {
  Push(store, path);
}

void PromoteRecentFile(SettingsStore& store, const std::string& path, std::int16_t index) {
  MoveToFront(store, path, index >= 1 && index <= kRecentFileCount ? index : 1);
}

}  // namespace tamrel
