#pragma once
// The per-user settings store on QSettings: the application name is the
// settings file (or registry key) of its own, the section a group in it, so
// on Linux "Tamrel DNV" / "Recent Files" / "RecentFile1" is the key
// RecentFile1 of group [Recent%20Files] in ~/.config/Tamrel DNV.conf.

#include <string>

#include "files/settings_store.h"

namespace tamrel {

class QSettingsStore : public SettingsStore {
 public:
  std::string GetSetting(const std::string& app, const std::string& section,
                         const std::string& key) const override;
  // QSettings keeps the keys of a group sorted by name; "RecentFile1" ..
  // "RecentFile4" sort in the order the list writes them.
  Pairs GetAllSettings(const std::string& app, const std::string& section) const override;
  // Written through at once; throws std::runtime_error when the store
  // cannot be written.
  void SaveSetting(const std::string& app, const std::string& section, const std::string& key,
                   const std::string& value) override;
};

}  // namespace tamrel
