#include "common/win/win32_services.h"


#include "common/win/dpi.h"
#include "common/win/wide.h"

namespace norvella::win {
namespace {

BOOL CALLBACK AddMonitor(HMONITOR, HDC, LPRECT rect, LPARAM data) {
  reinterpret_cast<std::vector<TwipRect>*>(data)->push_back(ToTwipRect(*rect));
  return TRUE;
}

std::wstring ModulePath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n == 0) return {};
    if (n < path.size()) {
      path.resize(n);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

}  // namespace

TwipSize Win32Screen::PrimarySize() const {
  return {ToTwips(::GetSystemMetrics(SM_CXSCREEN)), ToTwips(::GetSystemMetrics(SM_CYSCREEN))};
}

std::vector<TwipRect> Win32Screen::Monitors() const {
  std::vector<TwipRect> monitors;
  ::EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&monitors));
  if (monitors.empty()) {
    const TwipSize primary = PrimarySize();
    monitors.push_back({0, 0, primary.width, primary.height});
  }
  return monitors;
}

std::string Win32NarrowCodec::Encode(std::u16string_view text, bool* lossless) const {
  if (lossless) *lossless = true;
  if (text.empty()) return {};
  const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
  const int length = static_cast<int>(text.size());
  BOOL used_default = FALSE;
  const int bytes = ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide, length, nullptr, 0,
                                          nullptr, nullptr);
  std::string out(static_cast<size_t>(bytes > 0 ? bytes : 0), '\0');
  if (bytes > 0) {
    ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide, length, out.data(), bytes, nullptr,
                          lossless ? &used_default : nullptr);
  }
  if (lossless) *lossless = bytes > 0 && !used_default;
  return out;
}

std::u16string Win32NarrowCodec::Decode(std::string_view bytes) const {
  if (bytes.empty()) return {};
  const int length = static_cast<int>(bytes.size());
  const int units = ::MultiByteToWideChar(CP_ACP, 0, bytes.data(), length, nullptr, 0);
  std::wstring out(static_cast<size_t>(units > 0 ? units : 0), L'\0');
  if (units > 0) ::MultiByteToWideChar(CP_ACP, 0, bytes.data(), length, out.data(), units);
  return FromWide(out);
}

std::u16string ProgramFolder() {
  const std::wstring path = ModulePath();
  const size_t slash = path.find_last_of(L"\\/");
  return FromWide(slash == std::wstring::npos ? std::wstring() : path.substr(0, slash));
}

std::u16string ProgramFileName() {
  const std::wstring path = ModulePath();
  const size_t slash = path.find_last_of(L"\\/");
  return FromWide(slash == std::wstring::npos ? path : path.substr(slash + 1));
}

}  // namespace norvella::win
