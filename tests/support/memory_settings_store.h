#pragma once
// The settings store for unit tests: the same contract as the registry store, in memory.
#include <map>
#include <vector>
#include <string>

#include "common/settings_store.h"

namespace norvella::testing {

class MemorySettingsStore final : public SettingsStore {
 public:
  std::u16string ReadSetting(std::u16string_view section, std::u16string_view key,
                             std::u16string_view fallback) const override;
  bool WriteSetting(std::u16string_view section, std::u16string_view key,
                    std::u16string_view value) override;
  bool RemoveSetting(std::u16string_view section, std::u16string_view key) override;
  bool RemoveAllSettings() override;

  // Every write in order, as "section/key=value", for tests of what was written when.
  const std::vector<std::u16string>& writes() const { return writes_; }
  void ClearWrites() { writes_.clear(); }
  bool Has(std::u16string_view section, std::u16string_view key) const;

 private:
  // Keys are held upper-cased: names match without regard to case, as in the registry.
  std::map<std::u16string, std::map<std::u16string, std::u16string>> sections_;
  std::vector<std::u16string> writes_;
};

}  // namespace norvella::testing
