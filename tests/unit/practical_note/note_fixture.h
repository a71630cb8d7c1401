#pragma once
#include <gtest/gtest.h>

#include "common/settings_store.h"
#include "tests/support/fake_screen.h"
#include "tests/support/memory_settings_store.h"
#include "tests/unit/practical_note/fakes.h"

namespace norvella::practical_note::testing {

// A complete note of its own, started on `store`: for tables of start-up cases.
struct StartedNote {
  StartedNote(SettingsStore& store, const Screen& screen)
      : toast(toast_view, screen), note(view, store, screen, toast) {
    view.note = &note;
    note.Start();
  }
  FakeNoteView view;
  FakeToastView toast_view;
  Toast toast;
  PracticalNote note;
};

// A note on a 1024 by 768 screen at 96 dpi (15 twips a pixel) with an empty store.
class NoteFixture : public ::testing::Test {
 protected:
  NoteFixture() { view.note = &note; }

  void Store(std::u16string_view key, std::u16string_view value) {
    store.WriteSetting(kPracticalNoteSection, key, value);
  }
  void ResetStore() {
    store.RemoveAllSettings();
    store.ClearWrites();
  }
  std::u16string Stored(std::u16string_view key) const {
    return store.ReadSetting(kPracticalNoteSection, key, u"<missing>");
  }
  // Ticks a timer of the note as often as asked, as long as it runs.
  void Tick(NoteTimer timer, int times = 1) {
    for (int i = 0; i < times && view.timers.count(timer); ++i) note.OnTimer(timer);
  }
  bool Visible(Control c) const { return note.controls()[Index(c)].visible; }
  TwipRect Rect(Control c) const { return note.controls()[Index(c)].rect; }

  norvella::testing::MemorySettingsStore store;
  norvella::testing::FakeScreen screen;
  FakeToastView toast_view;
  Toast toast{toast_view, screen};
  FakeNoteView view;
  PracticalNote note{view, store, screen, toast};
};

}  // namespace norvella::practical_note::testing
