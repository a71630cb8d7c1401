#include "tests/e2e/harness/harness.h"

#include <cstdlib>
#include <algorithm>
#include <cstring>
#include <vector>

#include "common/win/wide.h"

namespace norvella::e2e {
namespace {

std::string Env(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

// The first window, top-level (parent null) or below `parent`, that satisfies `test`.
template <typename Test>
HWND FirstWindow(HWND parent, Test&& test) {
  struct Search {
    Test* test;
    HWND found = nullptr;
    static BOOL CALLBACK Visit(HWND hwnd, LPARAM lparam) {
      auto* search = reinterpret_cast<Search*>(lparam);
      if (!(*search->test)(hwnd)) return TRUE;
      search->found = hwnd;
      return FALSE;
    }
  } search{&test};
  if (parent) {
    ::EnumChildWindows(parent, &Search::Visit, reinterpret_cast<LPARAM>(&search));
  } else {
    ::EnumWindows(&Search::Visit, reinterpret_cast<LPARAM>(&search));
  }
  return search.found;
}

DWORD ProcessOf(HWND hwnd) {
  DWORD pid = 0;
  ::GetWindowThreadProcessId(hwnd, &pid);
  return pid;
}

void SendMouse(int x, int y, DWORD flags) {
  const int w = ::GetSystemMetrics(SM_CXSCREEN);
  const int h = ::GetSystemMetrics(SM_CYSCREEN);
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = static_cast<LONG>((x * 65535LL + (w - 1) / 2) / (w - 1));
  input.mi.dy = static_cast<LONG>((y * 65535LL + (h - 1) / 2) / (h - 1));
  input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
  ::SendInput(1, &input, sizeof input);
  std::this_thread::sleep_for(20ms);  // let the target's queue take it before the next event
}

void SendKey(WORD vk, DWORD flags) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = vk;
  input.ki.wScan = static_cast<WORD>(::MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = flags;
  ::SendInput(1, &input, sizeof input);
  std::this_thread::sleep_for(15ms);
}

}  // namespace

std::wstring WindowsPathOf(std::string_view unix_path) {
  std::wstring path = L"Z:";
  for (char c : unix_path) path += c == '/' ? L'\\' : static_cast<wchar_t>(static_cast<unsigned char>(c));
  return path;
}

std::wstring DistPath(std::wstring_view file) {
  std::wstring path = WindowsPathOf(Env("NORVELLA_DIST"));
  path += L'\\';
  path += file;
  return path;
}

Program Program::Start(const std::wstring& exe, const std::wstring& working_folder) {
  Program program;
  STARTUPINFOW si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  std::wstring command = L"\"" + exe + L"\"";
  if (::CreateProcessW(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                       working_folder.empty() ? nullptr : working_folder.c_str(), &si, &pi)) {
    ::CloseHandle(pi.hThread);
    program.process_.reset(pi.hProcess);
    program.pid_ = pi.dwProcessId;
  }
  return program;
}

Program::~Program() { Kill(); }

bool Program::Running() const {
  return process_ && ::WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT;
}

bool Program::WaitForExit(std::chrono::milliseconds timeout) const {
  return process_ &&
         ::WaitForSingleObject(process_.get(), static_cast<DWORD>(timeout.count())) == WAIT_OBJECT_0;
}

DWORD Program::ExitCode() const {
  DWORD code = STILL_ACTIVE;
  if (process_) ::GetExitCodeProcess(process_.get(), &code);
  return code;
}

void Program::Kill() {
  if (Running()) {
    ::TerminateProcess(process_.get(), 99);
    ::WaitForSingleObject(process_.get(), 5000);
  }
}

OtherProgram::OtherProgram()
    : program_(Program::Start(WindowsPathOf(NORVELLA_E2E_OTHER_WINDOW_EXE))),
      window_(WaitForWindow(program_.pid(), L"别的程序")) {}

HWND FindWindowOf(DWORD pid, std::wstring_view title, bool visible_only) {
  return FirstWindow(nullptr, [&](HWND hwnd) {
    return ProcessOf(hwnd) == pid && (!visible_only || ::IsWindowVisible(hwnd)) &&
           TitleOf(hwnd) == title;
  });
}

HWND WaitForWindow(DWORD pid, std::wstring_view title, std::chrono::milliseconds timeout) {
  HWND found = nullptr;
  WaitUntil([&] { return (found = FindWindowOf(pid, title)) != nullptr; }, timeout);
  return found;
}

HWND FindChild(HWND parent, std::wstring_view class_name_prefix) {
  for (HWND child = ::GetWindow(parent, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
    wchar_t name[128] = {};
    ::GetClassNameW(child, name, 128);
    if (std::wstring_view(name).substr(0, class_name_prefix.size()) == class_name_prefix) return child;
  }
  return nullptr;
}

WindowState ReadWindow(HWND hwnd) {
  WindowState state;
  ::GetWindowRect(hwnd, &state.rect);
  state.visible = ::IsWindowVisible(hwnd) != FALSE;
  state.ex_style = ::GetWindowLongPtrW(hwnd, GWL_EXSTYLE);
  state.topmost = (state.ex_style & WS_EX_TOPMOST) != 0;
  BYTE alpha = 0;
  DWORD flags = 0;
  if ((state.ex_style & WS_EX_LAYERED) && ::GetLayeredWindowAttributes(hwnd, nullptr, &alpha, &flags) &&
      (flags & LWA_ALPHA))
    state.alpha = alpha;
  return state;
}

std::wstring WindowText(HWND hwnd) {
  // A program that hangs must fail its test, not hang the test with it.
  constexpr UINT kTimeoutMs = 2000;
  DWORD_PTR length = 0;
  if (!::SendMessageTimeoutW(hwnd, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kTimeoutMs, &length))
    return L"<no answer>";
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  DWORD_PTR copied = 0;
  if (!::SendMessageTimeoutW(hwnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                             SMTO_ABORTIFHUNG, kTimeoutMs, &copied))
    return L"<no answer>";
  text.resize(std::min<size_t>(copied, text.size() - 1));
  return text;
}

std::wstring TitleOf(HWND hwnd) {
  wchar_t title[256] = {};
  ::GetWindowTextW(hwnd, title, 256);  // a top-level window's title is read without a message
  return title;
}

void MoveMouse(int x, int y) { SendMouse(x, y, 0); }
void MouseDown(int x, int y, DWORD flag) { SendMouse(x, y, flag); }
void MouseUp(int x, int y, DWORD flag) { SendMouse(x, y, flag); }
void Click(int x, int y) {
  MoveMouse(x, y);
  MouseDown(x, y);
  MouseUp(x, y);
}

void ParkPointer() {
  MoveMouse(::GetSystemMetrics(SM_CXSCREEN) - 1, ::GetSystemMetrics(SM_CYSCREEN) - 1);
}

void KeyDown(WORD vk) { SendKey(vk, 0); }
void KeyUp(WORD vk) { SendKey(vk, KEYEVENTF_KEYUP); }

void PressKey(WORD vk, std::initializer_list<WORD> modifiers) {
  for (WORD m : modifiers) KeyDown(m);
  if (modifiers.size()) {
    // A focus change the target has not seen yet makes Wine take the modifiers' state from the X
    // server, which releases them: give it the moment, and press again what it released.
    std::this_thread::sleep_for(60ms);
    for (WORD m : modifiers)
      if (!(::GetAsyncKeyState(m) & 0x8000)) KeyDown(m);
  }
  KeyDown(vk);
  KeyUp(vk);
  for (auto it = std::rbegin(modifiers); it != std::rend(modifiers); ++it) KeyUp(*it);
}

void TypeText(std::wstring_view text) {
  for (wchar_t c : text) {
    INPUT input[2] = {};
    for (int i = 0; i < 2; ++i) {
      input[i].type = INPUT_KEYBOARD;
      input[i].ki.wScan = c;
      input[i].ki.dwFlags = KEYEVENTF_UNICODE | (i ? KEYEVENTF_KEYUP : 0);
    }
    ::SendInput(2, input, sizeof input[0]);
    std::this_thread::sleep_for(5ms);
  }
}

bool Activate(HWND hwnd) {
  ::SetForegroundWindow(hwnd);
  return WaitUntil([&] { return ::GetForegroundWindow() == hwnd; }, 2000ms);
}

namespace {

bool OpenClipboardPatiently() {
  return WaitUntil([] { return ::OpenClipboard(nullptr) != FALSE; }, 2000ms);
}

void PutOnClipboard(UINT format, const void* data, size_t bytes) {
  HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, bytes);
  std::memcpy(::GlobalLock(memory), data, bytes);
  ::GlobalUnlock(memory);
  if (!::SetClipboardData(format, memory)) ::GlobalFree(memory);
}

}  // namespace

void SetClipboardText(std::wstring_view text) {
  if (!OpenClipboardPatiently()) return;
  ::EmptyClipboard();
  const std::wstring copy(text);
  PutOnClipboard(CF_UNICODETEXT, copy.c_str(), (copy.size() + 1) * sizeof(wchar_t));
  ::CloseClipboard();
}

void SetClipboardRichAndPlain(std::string_view rtf, std::wstring_view text) {
  const UINT rtf_format = ::RegisterClipboardFormatW(L"Rich Text Format");
  if (!OpenClipboardPatiently()) return;
  ::EmptyClipboard();
  const std::string rich(rtf);
  PutOnClipboard(rtf_format, rich.c_str(), rich.size() + 1);
  const std::wstring plain(text);
  PutOnClipboard(CF_UNICODETEXT, plain.c_str(), (plain.size() + 1) * sizeof(wchar_t));
  ::CloseClipboard();
}

void EmptyTheClipboard() {
  if (!OpenClipboardPatiently()) return;
  ::EmptyClipboard();
  ::CloseClipboard();
}

std::optional<std::wstring> ClipboardText() {
  if (!OpenClipboardPatiently()) return std::nullopt;
  std::optional<std::wstring> text;
  if (HANDLE data = ::GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* p = static_cast<const wchar_t*>(::GlobalLock(data))) {
      text = std::wstring(p);
      ::GlobalUnlock(data);
    }
  }
  ::CloseClipboard();
  return text;
}

COLORREF ScreenPixel(int x, int y) {
  HDC screen = ::GetDC(nullptr);
  const COLORREF colour = ::GetPixel(screen, x, y);
  ::ReleaseDC(nullptr, screen);
  return colour;
}

HWND FindDescendant(HWND parent, int control_id, std::wstring_view class_name) {
  return FirstWindow(parent, [&](HWND hwnd) {
    if (::GetDlgCtrlID(hwnd) != control_id) return false;
    wchar_t name[64] = {};
    ::GetClassNameW(hwnd, name, 64);
    return class_name.empty() || class_name == name;
  });
}

HWND FindWindowOfAnotherProcess(DWORD pid, std::wstring_view title) {
  return FirstWindow(nullptr, [&](HWND hwnd) {
    return ProcessOf(hwnd) != pid && ::IsWindowVisible(hwnd) && TitleOf(hwnd) == title;
  });
}

void KillProcessOf(HWND hwnd) {
  win::UniqueHandle process(::OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, ProcessOf(hwnd)));
  if (!process) return;
  ::TerminateProcess(process.get(), 99);
  ::WaitForSingleObject(process.get(), 5000);
}

void KillWindowsTitled(std::wstring_view title) {
  while (HWND hwnd = FirstWindow(nullptr, [&](HWND h) { return TitleOf(h) == title; })) {
    KillProcessOf(hwnd);
    if (::IsWindow(hwnd)) break;  // could not be ended: leave it to the test to report
  }
}

std::wstring ScratchFolder(std::string_view name) {
  std::wstring folder = WindowsPathOf(Env("NORVELLA_WINE_STATE")) + L"\\";
  for (char c : name) folder += static_cast<wchar_t>(c);
  ::CreateDirectoryW(folder.c_str(), nullptr);
  return folder + L"\\";
}

win::RegistrySettingsStore& Store() {
  static win::RegistrySettingsStore store;
  return store;
}

std::u16string StoredB(std::u16string_view key) {
  return Store().ReadSetting(u"NorvellaB", key, u"<missing>");
}

void StoreB(std::u16string_view key, std::u16string_view value) {
  Store().WriteSetting(u"NorvellaB", key, value);
}

bool QuickScreenshot(std::string_view name) {
  const std::string folder = Env("NORVELLA_SCREENSHOTS");
  if (folder.empty()) return false;
  const int width = ::GetSystemMetrics(SM_CXSCREEN);
  const int height = ::GetSystemMetrics(SM_CYSCREEN);
  HDC screen = ::GetDC(nullptr);
  win::UniqueMemoryDc memory(::CreateCompatibleDC(screen));
  BITMAPINFOHEADER header{};
  header.biSize = sizeof header;
  header.biWidth = width;
  header.biHeight = height;  // bottom row first, as a .bmp file keeps it
  header.biPlanes = 1;
  header.biBitCount = 24;
  header.biCompression = BI_RGB;
  void* bits = nullptr;
  win::UniqueBitmap bitmap(::CreateDIBSection(screen, reinterpret_cast<BITMAPINFO*>(&header),
                                              DIB_RGB_COLORS, &bits, nullptr, 0));
  {
    win::SelectedObject selected(memory.get(), bitmap.get());
    ::BitBlt(memory.get(), 0, 0, width, height, screen, 0, 0, SRCCOPY);
  }
  ::ReleaseDC(nullptr, screen);
  const DWORD row = static_cast<DWORD>((width * 3 + 3) & ~3);
  const DWORD image_size = row * static_cast<DWORD>(height);
  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof file + sizeof header;
  file.bfSize = file.bfOffBits + image_size;
  const std::wstring path = WindowsPathOf(folder + "/" + std::string(name) + ".bmp");
  win::UniqueFile out(::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!out) return false;
  DWORD written = 0;
  return ::WriteFile(out.get(), &file, sizeof file, &written, nullptr) &&
         ::WriteFile(out.get(), &header, sizeof header, &written, nullptr) &&
         ::WriteFile(out.get(), bits, image_size, &written, nullptr);
}

std::string Screenshot(std::string_view name) {
  const std::string tool = Env("NORVELLA_IMPORT");
  const std::string folder = Env("NORVELLA_SCREENSHOTS");
  if (tool.empty() || folder.empty()) return {};
  const std::string out = folder + "/" + std::string(name) + ".png";
  // Wine starts Unix programs too: ImageMagick's import reads the X display directly.
  std::wstring command = WindowsPathOf(tool) + L" -window root ";
  for (char c : out) command += static_cast<wchar_t>(static_cast<unsigned char>(c));
  const std::wstring file = WindowsPathOf(out);
  ::DeleteFileW(file.c_str());
  STARTUPINFOW si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  const std::wstring exe = WindowsPathOf(tool);
  if (!::CreateProcessW(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &si, &pi))
    return {};
  ::CloseHandle(pi.hThread);
  ::CloseHandle(pi.hProcess);
  // Wine does not wait for a Unix process: wait for the picture to be written completely.
  LONGLONG last_size = -1;
  const bool written = WaitUntil(
      [&] {
        WIN32_FILE_ATTRIBUTE_DATA data{};
        if (!::GetFileAttributesExW(file.c_str(), GetFileExInfoStandard, &data)) return false;
        const LONGLONG size = (static_cast<LONGLONG>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
        const bool stable = size > 0 && size == last_size;
        last_size = size;
        if (!stable) std::this_thread::sleep_for(100ms);
        return stable;
      },
      20000ms);
  return written ? out : std::string();
}

}  // namespace norvella::e2e
