// GUIDs and the shell, apart from the other services: only programs that use them import COM
// and shell32 (each DLL a program imports is loaded before it shows anything).
#include <windows.h>
#include <objbase.h>
#include <shellapi.h>

#include "common/win/wide.h"
#include "common/win/win32_services.h"

namespace norvella::win {

std::u16string Win32GuidSource::NewGuidText() {
  GUID guid{};
  if (FAILED(::CoCreateGuid(&guid))) return {};
  wchar_t text[39] = {};
  if (::StringFromGUID2(guid, text, 39) == 0) return {};
  return FromWide(text);
}

bool Win32Shell::OpenAddress(std::u16string_view address, std::u16string_view folder) {
  const std::wstring target = ToWide(address);
  const std::wstring directory = ToWide(folder);
  const auto result = reinterpret_cast<INT_PTR>(::ShellExecuteW(
      nullptr, L"open", target.c_str(), nullptr, directory.empty() ? nullptr : directory.c_str(),
      SW_SHOWNORMAL));
  return result > 32;
}

}  // namespace norvella::win
