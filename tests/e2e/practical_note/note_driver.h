#pragma once
// Starting NorvellaB for a test and finding its windows and controls.
#include <gtest/gtest.h>

#include "tests/e2e/harness/harness.h"

namespace norvella::e2e {

inline constexpr wchar_t kNoteTitle[] = L"NorvellaB";
inline constexpr wchar_t kToastTitle[] = L"消息";

// A test of the practical note: the store is emptied before and after it.
class PracticalNoteTest : public ::testing::Test {
 protected:
  void SetUp() override { Store().RemoveAllSettings(); }
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
