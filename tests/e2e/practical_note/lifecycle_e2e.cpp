// NorvellaB coming up and going down: the toast, the start sequence's reading of the store, the
// ten-second save, CloseNote and the end of a Windows session.
#include <vector>

#include "tests/e2e/practical_note/note_driver.h"

namespace norvella::e2e {
namespace {

// The harness's screen is 1024 by 768 pixels at 96 dpi: 15360 by 11520 twips.
constexpr int kCentredLeftPx = 388;  // a centred 3705 by 1500 twips window
constexpr int kCentredTopPx = 334;

using Lifecycle = PracticalNoteTest;

TEST_F(Lifecycle, FirstRunShowsTheToastThenTheNote) {
  program_ = Program::Start(DistPath(L"NorvellaB.exe"));
  ASSERT_TRUE(program_.started());
  HWND toast = nullptr;
  WindowState toast_at_first_sight;
  bool note_visible_then = true;
  ASSERT_TRUE(WaitUntil([&] {
    toast = FindWindowOf(program_.pid(), kToastTitle);
    if (!toast) return false;
    toast_at_first_sight = ReadWindow(toast);
    note_visible_then = FindWindowOf(program_.pid(), kNoteTitle) != nullptr;
    return true;
  })) << "the loading toast never showed; running " << program_.Running() << ", exit code "
         << program_.ExitCode();
  // The loading strip: 2880 by 375 twips centred on the screen, at alpha 200 until the note fades it.
  EXPECT_EQ(toast_at_first_sight.rect.left, 416);
  EXPECT_EQ(toast_at_first_sight.rect.top, 371);
  EXPECT_EQ(toast_at_first_sight.rect.right - toast_at_first_sight.rect.left, 192);
  EXPECT_EQ(toast_at_first_sight.rect.bottom - toast_at_first_sight.rect.top, 25);
  EXPECT_TRUE(toast_at_first_sight.topmost);
  if (!note_visible_then) {
    EXPECT_EQ(toast_at_first_sight.alpha, 200);
  }

  note_ = WaitForWindow(program_.pid(), kNoteTitle);
  ASSERT_NE(note_, nullptr);
  const WindowState note = ReadWindow(note_);
  // 3800 by 2000 twips, with the top-left corner of a centred 3705 by 1500 window.
  EXPECT_EQ(note.rect.left, kCentredLeftPx);
  EXPECT_EQ(note.rect.top, kCentredTopPx);
  EXPECT_EQ(note.rect.right - note.rect.left, Px(3800));
  EXPECT_EQ(note.rect.bottom - note.rect.top, Px(2000));
  EXPECT_EQ(note.alpha, 221);
  EXPECT_TRUE(note.topmost);
  EXPECT_EQ(StoredB(u"HideToolsBar"), u"No");
  EXPECT_TRUE(WindowText(FindChild(note_, L"RichEdit")).empty());

  // The toast fades out (270 ms) over the note and hides.
  if (WaitUntil([&] { return ReadWindow(toast).alpha.value_or(200) <= 160; }, 1000ms))
    QuickScreenshot("practical_note_loading");  // it shows only for a moment
  EXPECT_TRUE(WaitUntil([&] { return !::IsWindowVisible(toast); }, 2000ms));
  Screenshot("practical_note_first_start");
}

TEST_F(Lifecycle, RememberSizeNoKeepsTheDesignSize) {
  StoreB(u"RememberSize", u"No");
  StoreB(u"Width", u"6000");
  StoreB(u"Height", u"4500");
  ASSERT_TRUE(StartNote());
  const RECT r = ReadWindow(note_).rect;
  EXPECT_EQ(r.right - r.left, Px(3705));
  EXPECT_EQ(r.bottom - r.top, Px(1500));
  EXPECT_EQ(r.left, kCentredLeftPx);
}

TEST_F(Lifecycle, StoredLookIsApplied) {
  StoreB(u"Left", u"1500");
  StoreB(u"Top", u"900");
  StoreB(u"Width", u"4500");
  StoreB(u"Height", u"3000");
  StoreB(u"Alpha", u"153");
  StoreB(u"Text", u"明天上午九点开会\r\n带上季度报表");
  StoreB(u"FontName", u"微软雅黑");
  StoreB(u"FontSize", u"12");
  StoreB(u"FontBold", u"1");
  StoreB(u"FontColor", u"8388608");   // navy
  StoreB(u"BackColor", u"13434828");  // light green
  StoreB(u"Front", u"0");
  ASSERT_TRUE(StartNote());
  const WindowState note = ReadWindow(note_);
  EXPECT_EQ(note.rect.left, 100);
  EXPECT_EQ(note.rect.top, 60);
  EXPECT_EQ(note.rect.right - note.rect.left, 300);
  EXPECT_EQ(note.rect.bottom - note.rect.top, 200);
  EXPECT_EQ(note.alpha, 153);
  EXPECT_FALSE(note.topmost);
  // RichEdit keeps paragraphs with a single CR; WM_GETTEXT gives it back with CR LF.
  EXPECT_EQ(WindowText(text_), L"明天上午九点开会\r\n带上季度报表");
  Screenshot("practical_note_stored_look");
}

TEST_F(Lifecycle, StoredValuesTheNoteNeverWritesStillGiveAVisibleNote) {
  StoreB(u"Alpha", u"0");
  StoreB(u"Left", u"100000");  // a second screen that is no longer there
  StoreB(u"Top", u"2000");
  StoreB(u"RememberSize", u"No");
  ASSERT_TRUE(StartNote());
  const WindowState note = ReadWindow(note_);
  EXPECT_EQ(note.alpha, 17);
  EXPECT_EQ(note.rect.left, kCentredLeftPx);
  EXPECT_EQ(note.rect.top, kCentredTopPx);
}

TEST_F(Lifecycle, TypedTextReachesTheStoreWithinOneSavePeriod) {
  ASSERT_TRUE(StartNote());
  ASSERT_TRUE(Activate(note_));
  TypeText(L"买牛奶 and bread");
  ASSERT_TRUE(WaitUntil([&] { return WindowText(text_) == L"买牛奶 and bread"; }));
  EXPECT_TRUE(WaitUntil([] { return StoredB(u"Text") == u"买牛奶 and bread"; }, 11000ms));
}

TEST_F(Lifecycle, RememberTextNoNeitherLoadsNorSaves) {
  StoreB(u"Text", u"旧的文字");
  StoreB(u"RememberText", u"No");
  ASSERT_TRUE(StartNote());
  EXPECT_TRUE(WindowText(text_).empty());
  ASSERT_TRUE(Activate(note_));
  TypeText(L"新的");
  ASSERT_TRUE(WaitUntil([&] { return WindowText(text_) == L"新的"; }));
  PressKey('Q', {VK_CONTROL});
  ASSERT_TRUE(program_.WaitForExit());
  EXPECT_EQ(StoredB(u"Text"), u"旧的文字");
}

TEST_F(Lifecycle, CloseButtonWritesGeometryThenRisesFadesAndEnds) {
  StoreB(u"Left", u"3000");
  StoreB(u"Top", u"1500");
  ASSERT_TRUE(StartNote());
  ASSERT_TRUE(Activate(note_));
  TypeText(L"收尾");
  ASSERT_TRUE(WaitUntil([&] { return WindowText(text_) == L"收尾"; }));

  ClickAt(Button(3800 - 360));
  std::vector<WindowState> fade;
  WhileClosing([&](const WindowState& s) { fade.push_back(s); });
  ASSERT_TRUE(program_.WaitForExit(2000ms));
  EXPECT_EQ(program_.ExitCode(), 0u);
  EXPECT_EQ(StoredB(u"Left"), u"3000");
  EXPECT_EQ(StoredB(u"Top"), u"1500");
  EXPECT_EQ(StoredB(u"Width"), u"3800");
  EXPECT_EQ(StoredB(u"Height"), u"2000");
  EXPECT_EQ(StoredB(u"Alpha"), u"221");
  EXPECT_EQ(StoredB(u"Text"), u"收尾");

  // While fading the window only rises and its opacity only falls.
  ASSERT_GE(fade.size(), 3u);
  for (size_t i = 1; i < fade.size(); ++i) {
    if (!fade[i].alpha || !fade[i - 1].alpha) continue;
    EXPECT_LE(*fade[i].alpha, *fade[i - 1].alpha);
    EXPECT_LE(fade[i].rect.top, fade[i - 1].rect.top);
  }
  EXPECT_LT(fade.back().rect.top, 100);
  EXPECT_LT(*fade.back().alpha, 221);
}

TEST_F(Lifecycle, ClosingAtTheTopEdgeOnlyFades) {
  StoreB(u"Left", u"3000");
  StoreB(u"Top", u"0");
  ASSERT_TRUE(StartNote());
  ASSERT_TRUE(Activate(note_));
  PressKey('Q', {VK_CONTROL});
  int lowest_alpha = 255;
  WhileClosing([&](const WindowState& s) {
    EXPECT_EQ(s.rect.top, 0);
    if (s.alpha) lowest_alpha = std::min(lowest_alpha, *s.alpha);
  });
  EXPECT_TRUE(program_.WaitForExit(2000ms));
  EXPECT_LT(lowest_alpha, 221);
  EXPECT_EQ(StoredB(u"Top"), u"0");
}

TEST_F(Lifecycle, MenuCommandsReachTheNote) {
  ASSERT_TRUE(StartNote());
  // 308: the strip is covered and the state written.
  ::SendMessageW(note_, WM_COMMAND, 308, 0);
  EXPECT_EQ(StoredB(u"HideToolsBar"), u"Yes");
  ::SendMessageW(note_, WM_COMMAND, 308, 0);
  EXPECT_EQ(StoredB(u"HideToolsBar"), u"No");
  // 310: the closing sequence, as Ctrl+Q and the close button.
  ::PostMessageW(note_, WM_COMMAND, 310, 0);
  EXPECT_TRUE(program_.WaitForExit(2000ms));
  EXPECT_EQ(StoredB(u"Alpha"), u"221");
}

TEST_F(Lifecycle, EndingTheSessionSavesTheLastWords) {
  StoreB(u"Left", u"4500");
  StoreB(u"Top", u"3000");
  ASSERT_TRUE(StartNote());
  ASSERT_TRUE(Activate(note_));
  TypeText(L"最后几秒的字");
  ASSERT_TRUE(WaitUntil([&] { return WindowText(text_) == L"最后几秒的字"; }));
  EXPECT_EQ(StoredB(u"Text"), u"<missing>");  // not yet saved by the ten-second timer

  EXPECT_EQ(::SendMessageW(note_, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), TRUE);
  EXPECT_EQ(StoredB(u"Text"), u"最后几秒的字");
  EXPECT_EQ(StoredB(u"Left"), u"4500");
  EXPECT_EQ(StoredB(u"Top"), u"3000");
  EXPECT_EQ(StoredB(u"Width"), u"3800");
  EXPECT_EQ(StoredB(u"Height"), u"2000");
  EXPECT_EQ(StoredB(u"Alpha"), u"221");
}

}  // namespace
}  // namespace norvella::e2e
