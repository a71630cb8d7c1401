#include "tests/support/memory_settings_store.h"

#include "common/utf.h"

namespace norvella::testing {

std::u16string MemorySettingsStore::ReadSetting(std::u16string_view section,
                                                std::u16string_view key,
                                                std::u16string_view fallback) const {
  const auto s = sections_.find(ToAsciiUpper(section));
  if (s == sections_.end()) return std::u16string(fallback);
  const auto k = s->second.find(ToAsciiUpper(key));
  if (k == s->second.end()) return std::u16string(fallback);
  return k->second;
}

bool MemorySettingsStore::WriteSetting(std::u16string_view section, std::u16string_view key,
                                       std::u16string_view value) {
  sections_[ToAsciiUpper(section)][ToAsciiUpper(key)] = std::u16string(value);
  writes_.push_back(std::u16string(section) + u"/" + std::u16string(key) + u"=" +
                    std::u16string(value));
  return true;
}

bool MemorySettingsStore::RemoveSetting(std::u16string_view section, std::u16string_view key) {
  const auto s = sections_.find(ToAsciiUpper(section));
  if (s != sections_.end()) s->second.erase(ToAsciiUpper(key));
  return true;
}

bool MemorySettingsStore::RemoveAllSettings() {
  sections_.clear();
  return true;
}

bool MemorySettingsStore::Has(std::u16string_view section, std::u16string_view key) const {
  const auto s = sections_.find(ToAsciiUpper(section));
  return s != sections_.end() && s->second.count(ToAsciiUpper(key)) != 0;
}

}  // namespace norvella::testing
