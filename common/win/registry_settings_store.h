#pragma once
// The settings store in the registry: HKEY_CURRENT_USER\Software\Kelmora\Norvella\<section>, one
// string value per key. Each operation opens the key, does one thing and closes it again.
#include "common/settings_store.h"

namespace norvella::win {

// Below HKEY_CURRENT_USER; the same for every program of the suite.
inline constexpr wchar_t kSettingsRoot[] = L"Software\\Kelmora\\Norvella";

class RegistrySettingsStore final : public SettingsStore {
 public:
  std::u16string ReadSetting(std::u16string_view section, std::u16string_view key,
                             std::u16string_view fallback) const override;
  bool WriteSetting(std::u16string_view section, std::u16string_view key,
                    std::u16string_view value) override;
  bool RemoveSetting(std::u16string_view section, std::u16string_view key) override;
  bool RemoveAllSettings() override;
};

}  // namespace norvella::win
