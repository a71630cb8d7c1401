// NorvellaB beyond its own window, under Wine: F7 and the clipboard, the edit menu, saving to a
// file through the save dialog, further notes and the other programs of the suite.
#include <fstream>
#include <iterator>

#include "tests/e2e/practical_note/note_driver.h"

namespace norvella::e2e {
namespace {

class Desk : public PracticalNoteTest {
 protected:
  void StartWithText(std::u16string_view text) {
    StoreB(u"Left", u"3000");
    StoreB(u"Top", u"1500");
    StoreB(u"Text", text);
    ASSERT_TRUE(StartNote());
    WaitForLoadingToastToGo();
  }
  void Select(int start, int end) { ::SendMessageW(text_, EM_SETSEL, start, end); }
  std::pair<int, int> Selection() {
    DWORD start = 0, end = 0;
    ::SendMessageW(text_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {static_cast<int>(start), static_cast<int>(end)};
  }
  void Command(int id) { ::SendMessageW(note_, WM_COMMAND, static_cast<WPARAM>(id), 0); }
  static std::string FileBytes(const std::wstring& windows_path) {
    HANDLE file = ::CreateFileW(windows_path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return "<missing>";
    std::string bytes(1 << 20, '\0');
    DWORD read = 0;
    ::ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
    ::CloseHandle(file);
    bytes.resize(read);
    return bytes;
  }
  // Clicks the save button and waits for the dialog.
  HWND OpenSaveDialog() {
    ClickAt(Button(strip::kSave, strip::kTopLeftGroup));
    ParkPointer();
    return WaitForWindow(program_.pid(), L"保存文件");
  }
  static std::wstring LookIn(HWND dialog) { return WindowText(FindDescendant(dialog, 1137, L"ComboBox")); }
  static void SaveAs(HWND dialog, const std::wstring& path) {
    HWND name = FindDescendant(dialog, 1148, L"Edit");
    ::SendMessageW(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
    ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  }
};

TEST_F(Desk, F7AppendsTheClipboardAndBringsTheNoteToTheFront) {
  ASSERT_NO_FATAL_FAILURE(StartWithText(u"待办：\r\n"));
  OtherProgram other;
  ASSERT_TRUE(other.window());
  ASSERT_TRUE(Activate(other.window()));
  SetClipboardText(L"买牛奶");
  KeyDown(VK_F7);
  KeyUp(VK_F7);
  EXPECT_TRUE(WaitUntil([&] {
    return WindowText(text_) == L"待办：\r\n买牛奶" && ::GetForegroundWindow() == note_;
  }));
  // Nothing more arrives once the key is up.
  std::this_thread::sleep_for(400ms);
  EXPECT_EQ(WindowText(text_), L"待办：\r\n买牛奶");

  // With nothing on the clipboard the text stays and the note still comes to the front.
  ASSERT_TRUE(Activate(other.window()));
  EmptyTheClipboard();
  KeyDown(VK_F7);
  KeyUp(VK_F7);
  EXPECT_TRUE(WaitUntil([&] { return ::GetForegroundWindow() == note_; }));
  EXPECT_EQ(WindowText(text_), L"待办：\r\n买牛奶");
}

TEST_F(Desk, EditMenuCommands) {
  ASSERT_NO_FATAL_FAILURE(StartWithText(u"新旧文字"));
  // 300: paste replaces the selection with the clipboard's plain text, never its formatting.
  SetClipboardRichAndPlain(R"({\rtf1{\colortbl;\red255\green0\blue0;}\cf1\fs72 RED})", L"红色的字");
  Select(1, 2);
  Command(300);
  EXPECT_EQ(WindowText(text_), L"新红色的字文字");
  const RECT box = [&] {
    RECT r{};
    ::GetWindowRect(text_, &r);
    return r;
  }();
  const auto red = [](COLORREF c) { return GetRValue(c) > 180 && GetGValue(c) < 90 && GetBValue(c) < 90; };
  EXPECT_FALSE(AnyPixel(box, red));

  // 302: copy with nothing selected leaves an empty text on the clipboard.
  Select(2, 2);
  Command(302);
  EXPECT_EQ(ClipboardText(), std::optional<std::wstring>(L""));
  Select(1, 3);
  Command(302);
  EXPECT_EQ(ClipboardText(), std::optional<std::wstring>(L"红色"));

  // 303: cut.
  Select(0, 1);
  Command(303);
  EXPECT_EQ(ClipboardText(), std::optional<std::wstring>(L"新"));
  EXPECT_EQ(WindowText(text_), L"红色的字文字");

  // 305: select all; 306: delete.
  Command(305);
  EXPECT_EQ(Selection(), std::make_pair(0, 6));
  Command(302);  // the whole text, without a line break after it
  EXPECT_EQ(ClipboardText(), std::optional<std::wstring>(L"红色的字文字"));
  Select(3, 4);
  Command(306);
  EXPECT_EQ(WindowText(text_), L"红色的文字");

  // The separators do nothing.
  for (int id : {301, 304, 307, 309}) Command(id);
  EXPECT_EQ(WindowText(text_), L"红色的文字");

  // 308: the strip is covered and shown again.
  Command(308);
  EXPECT_EQ(StoredB(u"HideToolsBar"), u"Yes");
  Command(308);
  EXPECT_EQ(StoredB(u"HideToolsBar"), u"No");

  // 310: the closing sequence with its fade.
  ::PostMessageW(note_, WM_COMMAND, 310, 0);
  int lowest = 255;
  WhileClosing([&](const WindowState& s) { lowest = std::min(lowest, s.alpha.value_or(255)); });
  EXPECT_TRUE(program_.WaitForExit(2000ms));
  EXPECT_LT(lowest, 200);
  EXPECT_EQ(StoredB(u"Text"), u"红色的文字");
}

TEST_F(Desk, RightClickInTheTextOpensTheEditMenu) {
  ASSERT_NO_FATAL_FAILURE(StartWithText(u"右键菜单"));
  const POINT in_text = At(1500, 1000);
  MoveMouse(in_text.x, in_text.y);
  MouseDown(in_text.x, in_text.y, MOUSEEVENTF_RIGHTDOWN);
  MouseUp(in_text.x, in_text.y, MOUSEEVENTF_RIGHTUP);
  HWND menu_window = nullptr;
  ASSERT_TRUE(WaitUntil([&] { return (menu_window = ::FindWindowW(L"#32768", nullptr)) && ::IsWindowVisible(menu_window); }));
  // Wine keeps menus to their process, so the items cannot be read from here: the menu is
  // checked by its size (seven items and four separators) and on the screenshot.
  RECT r{};
  ::GetWindowRect(menu_window, &r);
  EXPECT_GT(r.bottom - r.top, 7 * 16);
  EXPECT_GT(r.right - r.left, 80);
  Screenshot("practical_note_edit_menu");
  KeyDown(VK_ESCAPE);
  KeyUp(VK_ESCAPE);
  EXPECT_TRUE(WaitUntil([&] { return !::IsWindowVisible(menu_window); }));
}

TEST_F(Desk, CtrlShiftADoesNothing) {
  ASSERT_NO_FATAL_FAILURE(StartWithText(u"不要全选"));
  ASSERT_TRUE(Activate(note_));
  Select(1, 2);
  PressKey('A', {VK_CONTROL, VK_SHIFT});
  std::this_thread::sleep_for(200ms);
  EXPECT_EQ(Selection(), std::make_pair(1, 2));
  EXPECT_EQ(WindowText(text_), L"不要全选");
  PressKey('A', {VK_CONTROL});
  EXPECT_TRUE(WaitUntil([&] { return Selection() == std::make_pair(0, 4); }));
}

TEST_F(Desk, SavingWritesTheTextInGbkAndTheDialogRemembersTheDrive) {
  ASSERT_NO_FATAL_FAILURE(StartWithText(u"会议纪要\r\n第二行"));
  const std::wstring folder = ScratchFolder("saved");
  ::DeleteFileW((folder + L"纪要.txt").c_str());

  HWND dialog = OpenSaveDialog();
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(LookIn(dialog), L"x64");  // the program's own folder
  SaveAs(dialog, folder + L"纪要.txt");
  EXPECT_TRUE(WaitUntil([&] { return ToastMessage() == L"保存完成"; }));
  // The text and one CR LF, in GBK.
  EXPECT_EQ(FileBytes(folder + L"纪要.txt"),
            "\xBB\xE1\xD2\xE9\xBC\xCD\xD2\xAA\r\n\xB5\xDA\xB6\xFE\xD0\xD0\r\n");

  // The next dialog starts at the root of that drive; a cancelled one forgets it.
  dialog = OpenSaveDialog();
  ASSERT_NE(dialog, nullptr);
  EXPECT_NE(LookIn(dialog), L"x64");
  ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
  ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(dialog); }));
  dialog = OpenSaveDialog();
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(LookIn(dialog), L"x64");
  ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
}

TEST_F(Desk, ATextWithAnEmojiIsSavedAsUtf8) {
  ASSERT_NO_FATAL_FAILURE(StartWithText(u"生日快乐 🎂"));
  const std::wstring folder = ScratchFolder("saved");
  HWND dialog = OpenSaveDialog();
  ASSERT_NE(dialog, nullptr);
  SaveAs(dialog, folder + L"生日");
  EXPECT_TRUE(WaitUntil([&] { return ToastMessage() == L"保存完成"; }));
  EXPECT_EQ(FileBytes(folder + L"生日"),  // no extension added
            "\xEF\xBB\xBF\xE7\x94\x9F\xE6\x97\xA5\xE5\xBF\xAB\xE4\xB9\x90 \xF0\x9F\x8E\x82\r\n");
}

TEST_F(Desk, AddOpensASecondNoteBesideThisOne) {
  StoreB(u"Width", u"4500");
  StoreB(u"Height", u"2400");
  StoreB(u"Alpha", u"170");
  ASSERT_NO_FATAL_FAILURE(StartWithText(u"第一张"));
  const RECT first = ReadWindow(note_).rect;
  ClickAt(Button(strip::kAdd, strip::kTopLeftGroup));
  HWND second = nullptr;
  ASSERT_TRUE(WaitUntil([&] { return (second = FindWindowOfAnotherProcess(program_.pid(), kNoteTitle)) != nullptr; }));
  const WindowState s = ReadWindow(second);
  KillProcessOf(second);
  EXPECT_EQ(s.rect.left, first.left + Px(300));
  EXPECT_EQ(s.rect.top, first.top + Px(300));
  EXPECT_EQ(s.rect.right - s.rect.left, first.right - first.left);
  EXPECT_EQ(s.rect.bottom - s.rect.top, first.bottom - first.top);
  EXPECT_EQ(s.alpha, 170);
  EXPECT_EQ(StoredB(u"Left"), u"3300");
  EXPECT_EQ(StoredB(u"Top"), u"1800");
}

TEST_F(Desk, AMissingProgramIsReportedInTheToast) {
  ASSERT_NO_FATAL_FAILURE(StartWithText(u""));
  ASSERT_EQ(::GetFileAttributesW(DistPath(L"NVGuide.exe").c_str()), INVALID_FILE_ATTRIBUTES);
  ClickAt(Button(strip::kHub));
  EXPECT_TRUE(WaitUntil([&] { return ToastMessage() == L"打开组件失败。"; }));
  EXPECT_TRUE(program_.Running());
}

}  // namespace
}  // namespace norvella::e2e
