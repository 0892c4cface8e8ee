#include "files/memory_settings_store.h"

namespace tamrel {

std::string MemorySettingsStore::GetSetting(const std::string& app, const std::string& section,
                                            const std::string& key) const {
  const auto it = sections_.find({app, section});
  if (it == sections_.end()) return {};
  for (const auto& [k, v] : it->second) {
    if (k == key) return v;
  }
  return {};
}

SettingsStore::Pairs MemorySettingsStore::GetAllSettings(const std::string& app,
                                                         const std::string& section) const {
  const auto it = sections_.find({app, section});
  return it == sections_.end() ? Pairs{} : it->second;
}

void MemorySettingsStore::SaveSetting(const std::string& app, const std::string& section,
                                      const std::string& key, const std::string& value) {
  Pairs& pairs = sections_[{app, section}];
  for (auto& [k, v] : pairs) {
    if (k == key) {
      v = value;
      return;
    }
  }
  pairs.emplace_back(key, value);
}

}  // namespace tamrel
