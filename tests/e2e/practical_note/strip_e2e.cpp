// NorvellaB's tool strip under Wine: opacity steps, toggles, moving, resizing, the narrow strip,
// edge keeping and the smallest size.
#include "tests/e2e/practical_note/note_driver.h"

namespace norvella::e2e {
namespace {

class Strip : public PracticalNoteTest {
 protected:
  // A note at 3000, 1500 twips (200, 100 pixels), 3800 by 2000 twips.
  void StartPlaced() {
    StoreB(u"Left", u"3000");
    StoreB(u"Top", u"1500");
    ASSERT_TRUE(StartNote());
    WaitForLoadingToastToGo();
  }
  int Alpha() const { return ReadWindow(note_).alpha.value_or(-1); }
  // Holds the left button on a picture until `done` holds, then releases it there.
  template <typename Done>
  void HoldOn(POINT p, Done&& done) {
    MoveMouse(p.x, p.y);
    std::this_thread::sleep_for(40ms);
    MouseDown(p.x, p.y);
    WaitUntil(done, 5000ms);
    MouseUp(p.x, p.y);
  }
};

TEST_F(Strip, HoldingLessFallsTo17AndStopsThere) {
  ASSERT_NO_FATAL_FAILURE(StartPlaced());
  const POINT less = Button(strip::kAlphaMinus, strip::kTopLeftGroup);
  std::vector<int> seen;
  HoldOn(less, [&] {
    const int a = Alpha();
    if (seen.empty() || seen.back() != a) seen.push_back(a);
    return a == 17 && seen.size() > 2;
  });
  std::this_thread::sleep_for(200ms);  // held on past the bottom: it stays at 17
  EXPECT_EQ(Alpha(), 17);
  for (size_t i = 1; i < seen.size(); ++i) {
    EXPECT_LT(seen[i], seen[i - 1]);
    EXPECT_EQ((221 - seen[i]) % 17, 0) << seen[i];  // steps of 17
  }
  EXPECT_TRUE(WaitUntil([&] { return ToastMessage() == L"当前透明度：7%"; }));
  Screenshot("practical_note_toast_message");
}

TEST_F(Strip, AQuickClickOnLessLeavesTheOpacityAndShowsIt) {
  ASSERT_NO_FATAL_FAILURE(StartPlaced());
  const POINT less = Button(strip::kAlphaMinus, strip::kTopLeftGroup);
  MoveMouse(less.x, less.y);
  std::this_thread::sleep_for(40ms);
  // Press and release in one go, before the first 60 ms tick.
  INPUT input[2] = {};
  for (auto& i : input) i.type = INPUT_MOUSE;
  input[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  input[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  ::SendInput(2, input, sizeof input[0]);
  EXPECT_TRUE(WaitUntil([&] { return ToastMessage() == L"当前透明度：87%"; }));
  EXPECT_EQ(Alpha(), 221);
}

TEST_F(Strip, TogglesWriteTheirKeysShowTheirMarksAndComeBackAtTheNextStart) {
  ASSERT_NO_FATAL_FAILURE(StartPlaced());
  EXPECT_TRUE(MarkShown(strip::kTack));
  EXPECT_TRUE(MarkShown(strip::kMove));
  EXPECT_TRUE(MarkShown(strip::kSize));
  EXPECT_TRUE(ReadWindow(note_).topmost);
  Screenshot("practical_note_full_strip");

  ClickAt(Button(strip::kTack));
  EXPECT_TRUE(WaitUntil([] { return StoredB(u"Front") == u"0"; }));
  EXPECT_TRUE(WaitUntil([&] { return !ReadWindow(note_).topmost; }));
  ClickAt(Button(strip::kMove));
  EXPECT_TRUE(WaitUntil([] { return StoredB(u"FormMove") == u"0"; }));
  ClickAt(Button(strip::kSize));
  EXPECT_TRUE(WaitUntil([] { return StoredB(u"FormSize") == u"0"; }));
  ParkPointer();
  EXPECT_TRUE(WaitUntil([&] { return !MarkShown(strip::kTack) && !MarkShown(strip::kMove) &&
                                     !MarkShown(strip::kSize); }));

  // The next start restores them from the store.
  program_.Kill();
  ASSERT_TRUE(StartNote());
  EXPECT_FALSE(ReadWindow(note_).topmost);
  EXPECT_FALSE(MarkShown(strip::kTack));
  EXPECT_FALSE(MarkShown(strip::kMove));
  EXPECT_FALSE(MarkShown(strip::kSize));
  ClickAt(Button(strip::kTack));
  EXPECT_TRUE(WaitUntil([] { return StoredB(u"Front") == u"1"; }));
  EXPECT_TRUE(WaitUntil([&] { return ReadWindow(note_).topmost && MarkShown(strip::kTack); }));
}

TEST_F(Strip, DraggingTheStripMovesTheNoteAndTheMoveLockBringsItBack) {
  ASSERT_NO_FATAL_FAILURE(StartPlaced());
  const POINT grab = At(strip::kBackgroundX, strip::kBackgroundY);
  const RECT before = ReadWindow(note_).rect;
  const auto drag_by = [&](int dx, int dy, RECT* during) {
    MoveMouse(grab.x, grab.y);
    MouseDown(grab.x, grab.y);
    for (int step = 1; step <= 5; ++step) MoveMouse(grab.x + dx * step / 5, grab.y + dy * step / 5);
    WaitUntil([&] { return ReadWindow(note_).rect.left == before.left + dx; }, 2000ms);
    *during = ReadWindow(note_).rect;
    MouseUp(grab.x + dx, grab.y + dy);
  };

  RECT during{};
  drag_by(100, 60, &during);
  EXPECT_EQ(during.left, before.left + 100);
  EXPECT_EQ(during.top, before.top + 60);
  EXPECT_TRUE(WaitUntil([&] { return ReadWindow(note_).rect.left == before.left + 100; }));

  // A right-button drag does nothing.
  const RECT moved = ReadWindow(note_).rect;
  const POINT grab2 = At(strip::kBackgroundX, strip::kBackgroundY);
  MoveMouse(grab2.x, grab2.y);
  MouseDown(grab2.x, grab2.y, MOUSEEVENTF_RIGHTDOWN);
  MoveMouse(grab2.x + 80, grab2.y + 40);
  MouseUp(grab2.x + 80, grab2.y + 40, MOUSEEVENTF_RIGHTUP);
  std::this_thread::sleep_for(200ms);
  EXPECT_EQ(ReadWindow(note_).rect.left, moved.left);

  // Moving locked: the note follows the drag and jumps back on release.
  ClickAt(Button(strip::kMove));
  ASSERT_TRUE(WaitUntil([] { return StoredB(u"FormMove") == u"0"; }));
  const RECT locked = ReadWindow(note_).rect;
  const POINT grab3 = At(strip::kBackgroundX, strip::kBackgroundY);
  MoveMouse(grab3.x, grab3.y);
  MouseDown(grab3.x, grab3.y);
  for (int step = 1; step <= 5; ++step) MoveMouse(grab3.x + 20 * step, grab3.y + 10 * step);
  EXPECT_TRUE(WaitUntil([&] { return ReadWindow(note_).rect.left == locked.left + 100; }, 2000ms));
  MouseUp(grab3.x + 100, grab3.y + 50);
  EXPECT_TRUE(WaitUntil([&] {
    const RECT r = ReadWindow(note_).rect;
    return r.left == locked.left && r.top == locked.top;
  }));
}

TEST_F(Strip, NarrowStripShowsWidenAndItRestoresTheFullWidth) {
  StoreB(u"Width", u"4000");
  ASSERT_NO_FATAL_FAILURE(StartPlaced());
  ASSERT_EQ(ReadWindow(note_).rect.right - ReadWindow(note_).rect.left, Px(4000));
  const RECT r = ReadWindow(note_).rect;
  ::SetWindowPos(note_, nullptr, 0, 0, Px(3000), r.bottom - r.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  const int wid_left = (3000 - 240) / 2;
  EXPECT_TRUE(WaitUntil([&] { return PictureAt(wid_left) && !PictureAt(strip::kSave, 50); }));
  EXPECT_FALSE(MarkShown(strip::kTack - 800));
  Screenshot("practical_note_narrow_strip");

  ClickAt(Button(wid_left));
  EXPECT_TRUE(WaitUntil([&] {
    const RECT now = ReadWindow(note_).rect;
    return now.right - now.left == Px(3800);
  }));
  ParkPointer();
  EXPECT_TRUE(WaitUntil([&] { return PictureAt(strip::kSave, 50) && MarkShown(strip::kTack); }));
}

TEST_F(Strip, TheSizeGripDraggedSmallSpringsBackToTheSmallestSize) {
  ASSERT_NO_FATAL_FAILURE(StartPlaced());
  const RECT r = ReadWindow(note_).rect;
  // The grip's corner that the text box leaves free: the last pixel of the window.
  const POINT grip{r.right - 1, r.bottom - 1};
  MoveMouse(grip.x, grip.y);
  MouseDown(grip.x, grip.y);
  MoveMouse(grip.x + 30, grip.y + 20);
  EXPECT_TRUE(WaitUntil([&] { return ReadWindow(note_).rect.right > r.right; }, 2000ms));
  MoveMouse(r.left + 40, r.top + 40);  // about 600 by 600 twips
  MouseUp(r.left + 40, r.top + 40);
  EXPECT_TRUE(WaitUntil([&] {
    const RECT now = ReadWindow(note_).rect;
    return now.right - now.left == Px(1200) && now.bottom - now.top == Px(800);
  }));
}

TEST_F(Strip, EdgeKeepingHoldsLeftAndTopButNotTheBottom) {
  ASSERT_NO_FATAL_FAILURE(StartPlaced());
  ::SetWindowPos(note_, nullptr, -120, 300, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_TRUE(WaitUntil([&] { return ReadWindow(note_).rect.left == 0; }, 1000ms));
  EXPECT_EQ(ReadWindow(note_).rect.top, 300);
  ::SetWindowPos(note_, nullptr, 400, 700, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  std::this_thread::sleep_for(400ms);  // a few polls later it is still past the bottom
  EXPECT_EQ(ReadWindow(note_).rect.top, 700);
  EXPECT_EQ(ReadWindow(note_).rect.left, 400);
}

TEST_F(Strip, TheStripCanBeCoveredByTheText) {
  StoreB(u"Text", u"双击文字可以隐藏工具栏");
  ASSERT_NO_FATAL_FAILURE(StartPlaced());
  const POINT in_text = At(600, 700);
  MoveMouse(in_text.x, in_text.y);
  Click(in_text.x, in_text.y);
  Click(in_text.x, in_text.y);
  EXPECT_TRUE(WaitUntil([] { return StoredB(u"HideToolsBar") == u"Yes"; }));
  ParkPointer();
  // Where the hub's button was, the text box's pale yellow now lies.
  const auto not_pale = [](COLORREF c) { return GetRValue(c) < 200 || GetBValue(c) < 150; };
  EXPECT_TRUE(WaitUntil([&] { return !AnyPixel(Place(strip::kHub, 45, 240), not_pale); }));
  Screenshot("practical_note_strip_hidden");
}

}  // namespace
}  // namespace norvella::e2e
