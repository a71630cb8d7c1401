#pragma once
// Starting Scrivlet for a test from a folder of its own (its settings file lives beside it) and
// finding its window and controls.
#include <gtest/gtest.h>

#include <string>

#include "tests/e2e/harness/harness.h"
#include "text_tool/controls.h"
#include "text_tool/tool_view.h"

namespace norvella::e2e {

inline constexpr wchar_t kScrivletTitle[] = L"Scrivlet - Scrivlet";

inline int ControlIdOf(text_tool::Ctl id) { return 100 + static_cast<int>(id); }
inline WPARAM CommandIdOf(text_tool::Command c) { return 1000 + static_cast<WPARAM>(c); }

class ScrivletTest : public ::testing::Test {
 protected:
  void SetUp() override {
    wchar_t temp[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, temp);
    folder_ = std::wstring(temp) + L"scrivlet-e2e";
    ::CreateDirectoryW(folder_.c_str(), nullptr);
    exe_ = folder_ + L"\\Scrivlet.exe";
    ini_ = folder_ + L"\\Scrivlet.ini";
    ::DeleteFileW(ini_.c_str());
    ASSERT_TRUE(::CopyFileW(DistPath(L"Scrivlet.exe").c_str(), exe_.c_str(), FALSE));
  }
  void TearDown() override {
    program_.Kill();
    ::DeleteFileW(ini_.c_str());
  }

  HWND Start() {
    program_ = Program::Start(exe_, folder_);
    EXPECT_TRUE(program_.started());
    window_ = WaitForWindow(program_.pid(), kScrivletTitle);
    EXPECT_NE(window_, nullptr) << "Scrivlet's window did not appear";
    if (window_) editor_ = Control(text_tool::Ctl::Text1);
    return window_;
  }

  // A control of the window or of one of its panels.
  HWND Control(text_tool::Ctl id) const {
    struct Search {
      int id;
      HWND found = nullptr;
    } search{ControlIdOf(id)};
    ::EnumChildWindows(
        window_,
        [](HWND child, LPARAM data) -> BOOL {
          auto* s = reinterpret_cast<Search*>(data);
          if (::GetDlgCtrlID(child) != s->id) return TRUE;
          s->found = child;
          return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
  }
  std::wstring Text(text_tool::Ctl id) const { return WindowText(Control(id)); }
  void SetText(text_tool::Ctl id, const std::wstring& text) {
    ::SendMessageW(Control(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  }

  POINT CentreOf(HWND control) const {
    RECT r{};
    ::GetWindowRect(control, &r);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  }
  void ClickOn(text_tool::Ctl id) {
    const POINT p = CentreOf(Control(id));
    Click(p.x, p.y);
  }
  // A list entry picked as the user picks it: the selection and its notification.
  void Choose(text_tool::Ctl list, int index) {
    const HWND combo = Control(list);
    ::SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    ::SendMessageW(::GetParent(combo), WM_COMMAND, MAKEWPARAM(ControlIdOf(list), CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(combo));
  }
  // Focus to the editor with a click at its end, then typing.
  void TypeIntoEditor(std::wstring_view text) {
    ASSERT_TRUE(Activate(window_));
    RECT r{};
    ::GetWindowRect(editor_, &r);
    Click(r.left + 40, r.bottom - 20);
    TypeText(text);
  }
  bool EditorIs(const std::wstring& text) {
    return WaitUntil([&] { return WindowText(editor_) == text; });
  }
  void Menu(text_tool::Command c) { ::SendMessageW(window_, WM_COMMAND, CommandIdOf(c), 0); }

  // The settings file's lines, decoded from the code page.
  std::string IniBytes() const {
    std::string bytes;
    const HANDLE file = ::CreateFileW(ini_.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return bytes;
    char buffer[4096];
    DWORD read = 0;
    while (::ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0) bytes.append(buffer, read);
    ::CloseHandle(file);
    return bytes;
  }
  bool IniExists() const { return ::GetFileAttributesW(ini_.c_str()) != INVALID_FILE_ATTRIBUTES; }
  void WriteIni(const std::string& bytes) {
    const HANDLE file = ::CreateFileW(ini_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    ::CloseHandle(file);
  }
  bool CloseAndWait() {
    ::PostMessageW(window_, WM_CLOSE, 0, 0);
    return program_.WaitForExit();
  }

  std::wstring folder_, exe_, ini_;
  Program program_;
  HWND window_ = nullptr;
  HWND editor_ = nullptr;
};

}  // namespace norvella::e2e
