#pragma once
// The per-user settings store shared by the programs of the suite: text values grouped as
// application "Norvella", section and key. Every operation opens the store by itself; nothing is
// cached between two operations, so a value written by one process is seen by the next read in
// any other. Section and key names match without regard to letter case.
#include <string>
#include <string_view>

namespace norvella {

inline constexpr std::u16string_view kPersonalNoteSection = u"NorvellaA";
inline constexpr std::u16string_view kPracticalNoteSection = u"NorvellaB";

class SettingsStore {
 public:
  virtual ~SettingsStore() = default;

  // The stored text of the key; `fallback` when the key, its section or the application entry is
  // missing, or when the store cannot be read. A key stored with an empty value reads as empty.
  virtual std::u16string ReadSetting(std::u16string_view section, std::u16string_view key,
                                     std::u16string_view fallback) const = 0;
  // Creates the application entry, the section and the key as needed. Returns false when the
  // store refused the write; callers of the suite go on regardless.
  virtual bool WriteSetting(std::u16string_view section, std::u16string_view key,
                            std::u16string_view value) = 0;
  // Removing a key that is not there does nothing.
  virtual bool RemoveSetting(std::u16string_view section, std::u16string_view key) = 0;
  // Removes the application entry with all its sections and keys.
  virtual bool RemoveAllSettings() = 0;
};

}  // namespace norvella
