#pragma once
// The per-user settings store, as the recent-file list uses it: values of
// text under an application name, a section and a key.

#include <string>
#include <utility>
#include <vector>

namespace tamrel {

class SettingsStore {
 public:
  using Pairs = std::vector<std::pair<std::string, std::string>>;

  virtual ~SettingsStore() = default;

  // The value of one key; empty text when the key is missing.
  virtual std::string GetSetting(const std::string& app, const std::string& section,
                                 const std::string& key) const = 0;
  // Every key of a section with its value, in the store's order (empty when
  // the section is missing).
  virtual Pairs GetAllSettings(const std::string& app, const std::string& section) const = 0;
  // Writes one key, creating the section and the key when missing.
  virtual void SaveSetting(const std::string& app, const std::string& section,
                           const std::string& key, const std::string& value) = 0;
};

}  // namespace tamrel
