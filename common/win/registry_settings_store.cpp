#include "common/win/registry_settings_store.h"

#include <windows.h>
#include <shlwapi.h>

#include <string>

#include "common/win/handles.h"
#include "common/win/wide.h"

namespace norvella::win {
namespace {

std::wstring SectionPath(std::u16string_view section) {
  std::wstring path = kSettingsRoot;
  path += L'\\';
  path += ToWide(section);
  return path;
}

}  // namespace

std::u16string RegistrySettingsStore::ReadSetting(std::u16string_view section,
                                                  std::u16string_view key,
                                                  std::u16string_view fallback) const {
  UniqueKey hkey;
  if (::RegOpenKeyExW(HKEY_CURRENT_USER, SectionPath(section).c_str(), 0, KEY_QUERY_VALUE,
                      hkey.put()) != ERROR_SUCCESS)
    return std::u16string(fallback);
  const std::wstring name = ToWide(key);
  std::wstring data(64, L'\0');
  for (;;) {
    DWORD type = 0;
    DWORD bytes = static_cast<DWORD>(data.size() * sizeof(wchar_t));
    const LONG rc = ::RegQueryValueExW(hkey.get(), name.c_str(), nullptr, &type,
                                       reinterpret_cast<BYTE*>(data.data()), &bytes);
    if (rc == ERROR_MORE_DATA) {  // grown since the last try, perhaps by another writer
      data.resize(bytes / sizeof(wchar_t) + 2);
      continue;
    }
    if (rc != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ))
      return std::u16string(fallback);
    data.resize(bytes / sizeof(wchar_t));
    while (!data.empty() && data.back() == L'\0') data.pop_back();
    return FromWide(data);
  }
}

bool RegistrySettingsStore::WriteSetting(std::u16string_view section, std::u16string_view key,
                                         std::u16string_view value) {
  UniqueKey hkey;
  if (::RegCreateKeyExW(HKEY_CURRENT_USER, SectionPath(section).c_str(), 0, nullptr,
                        REG_OPTION_NON_VOLATILE, KEY_SET_VALUE, nullptr, hkey.put(),
                        nullptr) != ERROR_SUCCESS)
    return false;
  const std::wstring data = ToWide(value);
  const std::wstring name = ToWide(key);
  return ::RegSetValueExW(hkey.get(), name.c_str(), 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(data.c_str()),
                          static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
}

bool RegistrySettingsStore::RemoveSetting(std::u16string_view section, std::u16string_view key) {
  UniqueKey hkey;
  const LONG rc = ::RegOpenKeyExW(HKEY_CURRENT_USER, SectionPath(section).c_str(), 0, KEY_SET_VALUE,
                                  hkey.put());
  if (rc == ERROR_FILE_NOT_FOUND) return true;
  if (rc != ERROR_SUCCESS) return false;
  const LONG del = ::RegDeleteValueW(hkey.get(), ToWide(key).c_str());
  return del == ERROR_SUCCESS || del == ERROR_FILE_NOT_FOUND;
}

bool RegistrySettingsStore::RemoveAllSettings() {
  const DWORD rc = ::SHDeleteKeyW(HKEY_CURRENT_USER, kSettingsRoot);
  return rc == ERROR_SUCCESS || rc == ERROR_FILE_NOT_FOUND;
}

}  // namespace norvella::win
