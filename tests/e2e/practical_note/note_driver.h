#pragma once
// Starting NorvellaB for a test and finding its windows and controls.
#include <gtest/gtest.h>

#include <cstdlib>

#include "tests/e2e/harness/harness.h"

namespace norvella::e2e {

inline constexpr wchar_t kNoteTitle[] = L"NorvellaB";
inline constexpr wchar_t kToastTitle[] = L"消息";

// Left edges (twips) of the strip's pictures on a full strip 3800 twips wide, and their tops.
namespace strip {
inline constexpr int kAdd = 120, kSave = 480, kPersonal = 840, kAlphaPlus = 1200, kAlphaMinus = 1560;
inline constexpr int kTack = 2000, kMove = 2360, kSize = 2720, kHub = 3080, kClose = 3440;
inline constexpr int kTopLeftGroup = 50, kTopRightGroup = 45;
inline constexpr int kMarkTop = 15, kMarkSize = 120;
// A point of the strip's own background: between the add and save buttons.
inline constexpr int kBackgroundX = 420, kBackgroundY = 150;
}  // namespace strip

inline bool Greenish(COLORREF c) {
  return GetGValue(c) > GetRValue(c) + 40 && GetGValue(c) > GetBValue(c) + 40;
}
// A pixel that is not the strip's own colour (red 40, green 45, blue 45).
inline bool Ink(COLORREF c) {
  return std::abs(GetRValue(c) - 40) + std::abs(GetGValue(c) - 45) + std::abs(GetBValue(c) - 45) > 60;
}

// A test of the practical note: the store is emptied before and after it.
class PracticalNoteTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // A note left behind by a test that failed half-way would take this test's clicks and keys.
    KillWindowsTitled(kNoteTitle);
    Store().RemoveAllSettings();
  }
  // Waits, within a time limit, while the note fades out, calling `sample` on each look.
  template <typename Sample>
  void WhileClosing(Sample&& sample) {
    const auto deadline = std::chrono::steady_clock::now() + 5s;
    while (program_.Running() && ::IsWindow(note_) && std::chrono::steady_clock::now() < deadline) {
      sample(ReadWindow(note_));
      std::this_thread::sleep_for(5ms);
    }
  }
  void TearDown() override {
    program_.Kill();
    Store().RemoveAllSettings();
  }

  // Starts NorvellaB and waits for its note window.
  HWND StartNote() {
    ParkPointer();
    program_ = Program::Start(DistPath(L"NorvellaB.exe"));
    EXPECT_TRUE(program_.started());
    note_ = WaitForWindow(program_.pid(), kNoteTitle);
    EXPECT_NE(note_, nullptr) << "the note window did not appear";
    if (note_) text_ = FindChild(note_, L"RichEdit");
    return note_;
  }

  // A point of the note window given in window twips, in screen pixels.
  POINT At(int x_twips, int y_twips) const {
    const RECT r = ReadWindow(note_).rect;
    return {r.left + Px(x_twips), r.top + Px(y_twips)};
  }
  // The middle of a 240-twip strip picture whose left is `left`.
  POINT Button(int left, int top = 45) const { return At(left + 120, top + 120); }
  // A picture's rectangle on the screen, from its place in window twips.
  RECT Place(int left, int top, int size) const {
    const POINT p = At(left, top);
    return {p.x, p.y, p.x + Px(size), p.y + Px(size)};
  }
  bool MarkShown(int left) const {
    return AnyPixel(Place(left, strip::kMarkTop, strip::kMarkSize), Greenish);
  }
  bool PictureAt(int left, int top = 45) const { return AnyPixel(Place(left, top, 240), Ink); }
  HWND Toast() const { return FindWindowOf(program_.pid(), kToastTitle, false); }
  std::wstring ToastMessage() const {
    const HWND toast = Toast();
    return toast ? WindowText(FindChild(toast, L"Static")) : L"";
  }
  // Waits until the loading toast has gone, so that messages can show.
  void WaitForLoadingToastToGo() {
    WaitUntil([&] { return Toast() && !::IsWindowVisible(Toast()); }, 3000ms);
  }

  void ClickAt(POINT p) {
    MoveMouse(p.x, p.y);
    std::this_thread::sleep_for(40ms);  // the hover swaps the pictures before the press
    Click(p.x, p.y);
  }

  Program program_;
  HWND note_ = nullptr;
  HWND text_ = nullptr;
};

}  // namespace norvella::e2e
