#include "common/win/win32_desktop.h"

#include <commdlg.h>

#include <chrono>
#include <cstring>
#include <string>
#include <thread>

#include "common/win/handles.h"
#include "common/win/wide.h"

namespace norvella::win {
namespace {

// Another program may hold the clipboard for a moment.
bool OpenClipboardPatiently(HWND owner) {
  for (int attempt = 0; attempt < 10; ++attempt) {
    if (::OpenClipboard(owner)) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return false;
}

class ClipboardScope {
 public:
  explicit ClipboardScope(HWND owner) : open_(OpenClipboardPatiently(owner)) {}
  ClipboardScope(const ClipboardScope&) = delete;
  ClipboardScope& operator=(const ClipboardScope&) = delete;
  ~ClipboardScope() {
    if (open_) ::CloseClipboard();
  }
  bool open() const { return open_; }

 private:
  bool open_;
};

// comdlg32 brings shell32 and the printing libraries with it: loaded when a dialog is first
// wanted, not at every start of a program that may never show one.
decltype(&::GetSaveFileNameW) GetSaveFileNameFunction() {
  static const auto function = []() -> decltype(&::GetSaveFileNameW) {
    const HMODULE comdlg32 = ::LoadLibraryW(L"comdlg32.dll");  // stays loaded
    if (!comdlg32) return nullptr;
    return reinterpret_cast<decltype(&::GetSaveFileNameW)>(
        reinterpret_cast<void (*)()>(::GetProcAddress(comdlg32, "GetSaveFileNameW")));
  }();
  return function;
}

}  // namespace

std::u16string Win32Clipboard::Text() const {
  ClipboardScope clipboard(owner_);
  if (!clipboard.open()) return {};
  HANDLE data = ::GetClipboardData(CF_UNICODETEXT);
  if (!data) return {};
  const auto* text = static_cast<const wchar_t*>(::GlobalLock(data));
  if (!text) return {};
  const size_t limit = ::GlobalSize(data) / sizeof(wchar_t);
  size_t length = 0;
  while (length < limit && text[length]) ++length;
  std::u16string result = FromWide(std::wstring_view(text, length));
  ::GlobalUnlock(data);
  return result;
}

bool Win32Clipboard::SetText(std::u16string_view text) {
  ClipboardScope clipboard(owner_);
  if (!clipboard.open() || !::EmptyClipboard()) return false;
  HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
  if (!memory) return false;
  auto* target = static_cast<wchar_t*>(::GlobalLock(memory));
  std::memcpy(target, text.data(), text.size() * sizeof(wchar_t));
  target[text.size()] = L'\0';
  ::GlobalUnlock(memory);
  if (!::SetClipboardData(CF_UNICODETEXT, memory)) {
    ::GlobalFree(memory);
    return false;
  }
  return true;  // the clipboard owns the memory now
}

bool Win32KeyState::DownOrPressedSinceLastQuery(int virtual_key) {
  return ::GetAsyncKeyState(virtual_key) != 0;
}

bool Win32ProcessStarter::Start(std::u16string_view program_path) {
  const std::wstring path = ToWide(program_path);
  std::wstring command = L"\"" + path + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION process{};
  const size_t slash = path.find_last_of(L'\\');
  const std::wstring folder = slash == std::wstring::npos ? std::wstring() : path.substr(0, slash);
  if (!::CreateProcessW(path.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.empty() ? nullptr : folder.c_str(), &startup, &process))
    return false;
  ::CloseHandle(process.hThread);
  ::CloseHandle(process.hProcess);
  return true;
}

std::u16string Win32SaveDialog::Show(const SaveDialogOptions& options) {
  // "description NUL pattern NUL ... NUL"
  std::wstring filter;
  for (const FileFilter& f : options.filters) {
    filter += ToWide(f.description);
    filter += L'\0';
    filter += ToWide(f.pattern);
    filter += L'\0';
  }
  filter += L'\0';
  std::wstring file(32768, L'\0');
  const std::wstring folder = ToWide(options.initial_folder);
  const std::wstring title = ToWide(options.title);
  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = owner_;
  ofn.hInstance = ::GetModuleHandleW(nullptr);
  ofn.lpstrFilter = filter.c_str();
  ofn.lpstrFile = file.data();
  ofn.nMaxFile = static_cast<DWORD>(file.size());
  ofn.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
  ofn.lpstrTitle = title.c_str();
  ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY;  // no overwrite question, no default extension
  const auto get_save_file_name = GetSaveFileNameFunction();
  if (!get_save_file_name || !get_save_file_name(&ofn)) return {};
  return FromWide(file.c_str());
}

}  // namespace norvella::win
