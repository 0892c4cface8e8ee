#pragma once
// A settings store held in memory, for tests: sections keep their keys in the
// order in which they were first written.

#include <map>
#include <string>
#include <utility>

#include "files/settings_store.h"

namespace tamrel {

class MemorySettingsStore : public SettingsStore {
 public:
  std::string GetSetting(const std::string& app, const std::string& section,
                         const std::string& key) const override;
  Pairs GetAllSettings(const std::string& app, const std::string& section) const override;
  void SaveSetting(const std::string& app, const std::string& section, const std::string& key,
                   const std::string& value) override;

 private:
  std::map<std::pair<std::string, std::string>, Pairs> sections_;
};

}  // namespace tamrel
