#pragma once
// What the end-to-end tests use to drive the real programs under Wine: start them, find their
// windows, read window state, send input, read the settings store and take screenshots. Every wait
// polls its condition with a timeout; nothing sleeps for a fixed time where a condition can be
// awaited.
#include <windows.h>

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <thread>

#include "common/geometry.h"
#include "common/win/handles.h"
#include "common/win/registry_settings_store.h"

namespace norvella::e2e {

using namespace std::chrono_literals;
inline constexpr auto kDefaultTimeout = 5000ms;

// A Windows path for a file of the programs' folder (dist/), from NORVELLA_DIST.
std::wstring DistPath(std::wstring_view file);
// "Z:\..." for a path of the Unix side.
std::wstring WindowsPathOf(std::string_view unix_path);

// A started program; still running when the object goes, it is terminated.
class Program {
 public:
  static Program Start(const std::wstring& exe, const std::wstring& working_folder = L"");
  Program() = default;  // no program
  Program(Program&&) = default;
  Program& operator=(Program&&) = default;
  ~Program();

  bool started() const { return static_cast<bool>(process_); }
  DWORD pid() const { return pid_; }
  HANDLE handle() const { return process_.get(); }
  bool Running() const;
  bool WaitForExit(std::chrono::milliseconds timeout = kDefaultTimeout) const;
  DWORD ExitCode() const;
  void Kill();

 private:
  win::UniqueHandle process_;
  DWORD pid_ = 0;
};

// Another program with an ordinary window ("别的程序"), to hold the focus while a test checks
// what a program does in the background.
class OtherProgram {
 public:
  OtherProgram();
  HWND window() const { return window_; }

 private:
  Program program_;
  HWND window_ = nullptr;
};

// Polls `condition` every few milliseconds until it holds or the time is up.
template <typename Condition>
bool WaitUntil(Condition&& condition, std::chrono::milliseconds timeout = kDefaultTimeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    if (condition()) return true;
    if (std::chrono::steady_clock::now() >= deadline) return false;
    std::this_thread::sleep_for(2ms);
  }
}

// Top-level windows of a process by title (visible ones only, unless asked otherwise).
HWND FindWindowOf(DWORD pid, std::wstring_view title, bool visible_only = true);
HWND WaitForWindow(DWORD pid, std::wstring_view title,
                   std::chrono::milliseconds timeout = kDefaultTimeout);
HWND FindChild(HWND parent, std::wstring_view class_name_prefix);

struct WindowState {
  RECT rect{};
  bool visible = false;
  bool topmost = false;
  std::optional<int> alpha;  // the constant alpha of a layered window
  LONG_PTR ex_style = 0;
};
WindowState ReadWindow(HWND hwnd);
// A control's text (WM_GETTEXT, with a timeout); TitleOf reads a top-level window's title.
std::wstring WindowText(HWND hwnd);
std::wstring TitleOf(HWND hwnd);
// Ends every process that shows a top-level window with this title.
void KillWindowsTitled(std::wstring_view title);
// Screen pixels at the display's DPI (96 under the harness).
inline int Px(int twips) { return TwipsToPixels(twips, 96); }

// Input, as the user would give it. Under Wine, a window that appears under the pointer makes
// Wine take its modifier-key state from the X server, which releases a Ctrl or Shift that
// SendInput pressed: park the pointer in a corner of the screen before starting a program.
void MoveMouse(int x, int y);
void MouseDown(int x, int y, DWORD button_down_flag = MOUSEEVENTF_LEFTDOWN);
void MouseUp(int x, int y, DWORD button_up_flag = MOUSEEVENTF_LEFTUP);
void Click(int x, int y);
void ParkPointer();
void KeyDown(WORD vk);
void KeyUp(WORD vk);
// A key pressed and released with the given modifier keys held (VK_CONTROL, VK_SHIFT, ...).
void PressKey(WORD vk, std::initializer_list<WORD> modifiers = {});
void TypeText(std::wstring_view text);
// Brings a window of another process to the front and waits until it is.
bool Activate(HWND hwnd);

// The clipboard, as another program sees it.
void SetClipboardText(std::wstring_view text);
// Rich text with plain text beside it, as a word processor puts a copy on the clipboard.
void SetClipboardRichAndPlain(std::string_view rtf, std::wstring_view text);
void EmptyTheClipboard();
std::optional<std::wstring> ClipboardText();  // nothing when it holds no text

// What the display shows at a screen pixel.
COLORREF ScreenPixel(int x, int y);
// True when some pixel of the screen rectangle satisfies `test`.
template <typename Test>
bool AnyPixel(const RECT& r, Test&& test) {
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x)
      if (test(ScreenPixel(x, y))) return true;
  return false;
}

// A child window of `parent` (at any depth) with the given control identifier, and class name
// when one is given.
HWND FindDescendant(HWND parent, int control_id, std::wstring_view class_name = L"");
// A visible top-level window with this title whose process is not `pid`.
HWND FindWindowOfAnotherProcess(DWORD pid, std::wstring_view title);
// Ends the process that owns a window.
void KillProcessOf(HWND hwnd);
// A folder of the Unix side for a test's files (made if missing), as a Windows path ending in \.
std::wstring ScratchFolder(std::string_view name);

// The suite's settings store, as the programs see it.
win::RegistrySettingsStore& Store();
std::u16string StoredB(std::u16string_view key);  // section "NorvellaB"; "<missing>" if absent
void StoreB(std::u16string_view key, std::u16string_view value);

// Saves the whole virtual display as <NORVELLA_SCREENSHOTS>/<name>.png; returns the Unix path,
// or empty when no screenshot tool is available.
std::string Screenshot(std::string_view name);
// The same picture taken at once through GDI, for what shows only for a moment; saved as
// <name>.bmp. Returns false when it could not be written.
bool QuickScreenshot(std::string_view name);

}  // namespace norvella::e2e
