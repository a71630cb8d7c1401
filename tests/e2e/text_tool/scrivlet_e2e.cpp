// Scrivlet under Wine: start-up and the settings file, running and undoing operations from the
// keyboard and the picture button, the count boxes' key filter and leaving through the menu.
#include <algorithm>
#include <cstring>

#include "tests/e2e/text_tool/scrivlet_driver.h"

namespace norvella::e2e {
namespace {

using text_tool::Command;
using text_tool::Ctl;

// "宋体" in the code page, as the settings file holds it.
constexpr char kSongTi[] = "\xCB\xCE\xCC\xE5";

void PutOnClipboard(const std::wstring& text) {
  ASSERT_TRUE(::OpenClipboard(nullptr));
  ::EmptyClipboard();
  const HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
  std::memcpy(::GlobalLock(memory), text.c_str(), (text.size() + 1) * sizeof(wchar_t));
  ::GlobalUnlock(memory);
  ::SetClipboardData(CF_UNICODETEXT, memory);
  ::CloseClipboard();
}

TEST_F(ScrivletTest, FirstStartThenCloseWritesAllNineLines) {
  ASSERT_TRUE(Start());
  RECT client{};
  ::GetClientRect(window_, &client);
  EXPECT_EQ(client.right, Px(12030));
  EXPECT_EQ(client.bottom, Px(6690));
  const RECT outer = ReadWindow(window_).rect;
  const int width = outer.right - outer.left;
  const int height = outer.bottom - outer.top;
  EXPECT_NEAR(outer.left, (1024 - width) / 2, 1);
  EXPECT_NEAR(outer.top, (768 - height) / 2, 1);
  EXPECT_EQ(Text(Ctl::itip), L"");
  EXPECT_EQ(Text(Ctl::lastact), L"欢迎使用Scrivlet");
  EXPECT_TRUE(::IsWindowVisible(Control(Ctl::Frame1)));
  EXPECT_FALSE(::IsWindowVisible(Control(Ctl::Frame2)));
  EXPECT_TRUE(WaitUntil([&] { return Text(Ctl::textlen) == L"字符数量(包括回车)：0"; }, 2000ms));
  Screenshot("scrivlet_1_delete_panel");

  // The timer keeps the outer size at least 12150 by 7500 twips; the menu bar of this system may
  // be lower than the design's, so the height can have grown by now.
  const RECT now = ReadWindow(window_).rect;
  EXPECT_EQ(now.right - now.left, width);
  EXPECT_EQ(now.bottom - now.top, std::max(height, Px(7500)));
  ASSERT_TRUE(CloseAndWait());
  const std::string expected = std::string("FontName = ") + kSongTi +
                               "\r\nFontSize = 10.5\r\nFontBold = 0\r\nFontItalic = 0\r\nFontUnderline = 0\r\n"
                               "ForeColor = -2147483640\r\nAutoMaxSize = Close\r\nFormWidth = " +
                               std::to_string(width * 15) + "\r\nFormHeight = " +
                               std::to_string((now.bottom - now.top) * 15) +
                               "\r\n";
  EXPECT_EQ(IniBytes(), expected);
}

TEST_F(ScrivletTest, StoredSettingsAreAppliedAndAMaximisedCloseWritesTheFixedSize) {
  WriteIni(std::string("FontName = ") + kSongTi +
           "\r\nFontSize = 12\r\nFontBold = 1\r\nFontItalic = 0\r\nFontUnderline = 0\r\nForeColor = 128\r\n"
           "AutoMaxSize = Close\r\nFormWidth = 13500\r\nFormHeight = 8100\r\n");
  ASSERT_TRUE(Start());
  const RECT outer = ReadWindow(window_).rect;
  EXPECT_EQ(outer.right - outer.left, Px(13500));
  EXPECT_EQ(outer.bottom - outer.top, Px(8100));

  ::ShowWindow(window_, SW_MAXIMIZE);
  ASSERT_TRUE(WaitUntil([&] { return ::IsZoomed(window_) != FALSE; }));
  ASSERT_TRUE(CloseAndWait());
  const std::string ini = IniBytes();
  EXPECT_NE(ini.find("FontSize = 12\r\nFontBold = 1\r\n"), std::string::npos) << ini;
  EXPECT_NE(ini.find("ForeColor = 128\r\nAutoMaxSize = Close\r\nFormWidth = 11500\r\nFormHeight = 6360\r\n"),
            std::string::npos)
      << ini;
}

TEST_F(ScrivletTest, AWindowDraggedTooSmallSpringsBack) {
  ASSERT_TRUE(Start());
  ::SetWindowPos(window_, nullptr, 0, 0, 500, 300, SWP_NOMOVE | SWP_NOZORDER);
  EXPECT_TRUE(WaitUntil(
      [&] {
        const RECT r = ReadWindow(window_).rect;
        return r.right - r.left == Px(12150) && r.bottom - r.top == Px(7500);
      },
      2000ms));
}

TEST_F(ScrivletTest, F5RunsTheOperationAndCtrlZUndoesIt) {
  ASSERT_TRUE(Start());
  TypeIntoEditor(L"a1b22c");
  ASSERT_TRUE(EditorIs(L"a1b22c"));
  Choose(Ctl::Combo1, 2);  // 数字
  EXPECT_EQ(Text(Ctl::itip), L"点击执行按类型删除字符");
  PressKey(VK_F5);
  EXPECT_TRUE(EditorIs(L"abc"));
  EXPECT_EQ(Text(Ctl::itip), L"操作完成");
  EXPECT_EQ(Text(Ctl::lastact), L"上一步操作：按类型删除字符");
  PressKey('Z', {VK_CONTROL});
  EXPECT_TRUE(EditorIs(L"a1b22c"));
  EXPECT_EQ(Text(Ctl::lastact), L"上一步操作：撤销");
  PressKey('R', {VK_CONTROL});
  EXPECT_TRUE(EditorIs(L"abc"));
}

TEST_F(ScrivletTest, ADoubleClickOnTheRunButtonRunsTwice) {
  ASSERT_TRUE(Start());
  ASSERT_TRUE(Activate(window_));
  ClickOn(Ctl::Option10);
  ASSERT_TRUE(WaitUntil([&] { return ::IsWindowVisible(Control(Ctl::Frame7)) != FALSE; }));
  EXPECT_EQ(Text(Ctl::itip), L"批量插入字符");
  SetText(Ctl::Text19, L"abcdefg");
  SetText(Ctl::Text18, L"3");
  SetText(Ctl::Text20, L"-");
  const POINT button = CentreOf(Control(Ctl::Command1));
  MoveMouse(button.x, button.y);
  Click(button.x, button.y);
  Click(button.x, button.y);
  EXPECT_TRUE(EditorIs(L"\r\nabc-def-g\r\nabc-def-g"));
  Screenshot("scrivlet_7_insert_panel");
  PressKey('Z', {VK_CONTROL});
  EXPECT_TRUE(EditorIs(L"\r\nabc-def-g"));
}

TEST_F(ScrivletTest, CountBoxesRefuseLettersAndCtrlV) {
  ASSERT_TRUE(Start());
  ASSERT_TRUE(Activate(window_));
  ClickOn(Ctl::Text10);
  PressKey(VK_END);
  TypeText(L"a -x");
  TypeText(L"7");
  ASSERT_TRUE(WaitUntil([&] { return Text(Ctl::Text10) == L"17"; }));
  PutOnClipboard(L"99");
  PressKey('V', {VK_CONTROL});
  TypeText(L"4");
  ASSERT_TRUE(WaitUntil([&] { return Text(Ctl::Text10) == L"174"; }));
  // A paste from the box's own menu arrives without a key and is not filtered.
  ::SendMessageW(Control(Ctl::Text10), WM_PASTE, 0, 0);
  EXPECT_EQ(Text(Ctl::Text10), L"17499");
}

TEST_F(ScrivletTest, ExitWithUnsavedTextAsksAndCancelKeepsTheProgram) {
  ASSERT_TRUE(Start());
  TypeIntoEditor(L"x");
  ASSERT_TRUE(EditorIs(L"x"));
  ::PostMessageW(window_, WM_COMMAND, CommandIdOf(Command::Exit), 0);
  HWND question = WaitForWindow(program_.pid(), L"注意");
  ASSERT_NE(question, nullptr);
  Screenshot("scrivlet_exit_question");
  ::PostMessageW(question, WM_COMMAND, IDCANCEL, 0);
  ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(question); }));
  EXPECT_FALSE(program_.WaitForExit(300ms));

  ::PostMessageW(window_, WM_COMMAND, CommandIdOf(Command::Exit), 0);
  question = WaitForWindow(program_.pid(), L"注意");
  ASSERT_NE(question, nullptr);
  ::PostMessageW(question, WM_COMMAND, IDOK, 0);
  EXPECT_TRUE(program_.WaitForExit());
  EXPECT_FALSE(IniExists());  // leaving through the menu writes no settings
}

// Each panel run once with F5 and undone, with a screenshot of the panel.
struct PanelRun {
  Ctl option;
  Ctl panel;
  const char* screenshot;
  std::wstring start;
};

class PanelTest : public ScrivletTest {
 protected:
  void Open(const PanelRun& run) {
    ASSERT_TRUE(Activate(window_));
    ClickOn(run.option);
    ASSERT_TRUE(WaitUntil([&] { return ::IsWindowVisible(Control(run.panel)) != FALSE; }));
    ::SendMessageW(editor_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(run.start.c_str()));
  }
  void RunAndUndo(const PanelRun& run, const std::wstring& expected) {
    PressKey(VK_F5);
    EXPECT_TRUE(EditorIs(expected)) << WindowText(editor_).size();
    Screenshot(run.screenshot);
    PressKey('Z', {VK_CONTROL});
    EXPECT_TRUE(EditorIs(run.start));
  }
};

TEST_F(PanelTest, EveryPanelRunsWithF5AndUndoes) {
  ASSERT_TRUE(Start());

  const PanelRun convert{Ctl::Option2, Ctl::Frame2, "scrivlet_2_convert_panel", L"abab"};
  Open(convert);
  SetText(Ctl::Text7, L"ab");
  SetText(Ctl::Text8, L"ab-ab");
  RunAndUndo(convert, L"ab-abab-ab");

  const PanelRun generate{Ctl::Option3, Ctl::Frame3, "scrivlet_3_generate_panel", L""};
  Open(generate);
  SetText(Ctl::Text3, L"a");
  SetText(Ctl::Text4, L"3");
  RunAndUndo(generate, L"a\r\na\r\na\r\n\r\r");
  SetText(Ctl::Text3, L"");
  SetText(Ctl::Text4, L"");
  Choose(Ctl::Combo6, 1);  // 加法运算
  SetText(Ctl::Text13, L"5");
  SetText(Ctl::Text14, L"2");
  SetText(Ctl::Text15, L"3");
  RunAndUndo(generate, L"\r\n5\r\n8\r\n11");

  const PanelRun arrange{Ctl::Option4, Ctl::Frame4, "scrivlet_4_arrange_panel", L"x"};
  Open(arrange);
  SetText(Ctl::Text9, L"abc");
  SetText(Ctl::Text12, L"2");
  PressKey(VK_F5);
  ASSERT_TRUE(WaitUntil([&] { return WindowText(editor_).size() == 12; }));
  const std::wstring arranged = WindowText(editor_);
  EXPECT_EQ(arranged.substr(0, 3), L"x\r\n");
  EXPECT_EQ(arranged.back(), L'\r');
  Screenshot(arrange.screenshot);
  PressKey('Z', {VK_CONTROL});
  EXPECT_TRUE(EditorIs(L"x"));

  const PanelRun compress{Ctl::Option5, Ctl::Frame5, "scrivlet_5_compress_panel", L""};
  Open(compress);
  SetText(Ctl::Text16, L"123456789");
  RunAndUndo(compress, L"\r\n-{YC");

  const PanelRun special{Ctl::Option6, Ctl::Frame6, "scrivlet_6_special_panel", L"a\r\nb"};
  Open(special);
  ClickOn(Ctl::Check2);
  ASSERT_TRUE(WaitUntil([&] { return ::SendMessageW(Control(Ctl::Check2), BM_GETCHECK, 0, 0) == BST_CHECKED; }));
  RunAndUndo(special, L"a\nb");
  ClickOn(Ctl::Check2);
  ClickOn(Ctl::Option7);
  ASSERT_TRUE(WaitUntil([&] { return ::IsWindowEnabled(Control(Ctl::Text17)) != FALSE; }));
  SetText(Ctl::Text17, L"2");
  ::SendMessageW(editor_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
  PressKey(VK_F5);
  EXPECT_TRUE(WaitUntil([&] { return WindowText(editor_).size() == 52; })) << WindowText(editor_).size();
  const std::wstring serials = WindowText(editor_);
  EXPECT_EQ(serials[10], L'4');  // the third group starts with the GUID's version
  EXPECT_EQ(serials.substr(24, 2), L"\r\n");
  Screenshot("scrivlet_6_special_panel_serials");
}

}  // namespace
}  // namespace norvella::e2e
