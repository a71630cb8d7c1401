#pragma once
#include <gtest/gtest.h>

#include "common/settings_store.h"
#include "tests/support/desktop_fakes.h"
#include "tests/support/fake_screen.h"
#include "tests/support/gbk_codec.h"
#include "tests/support/memory_file_system.h"
#include "tests/support/memory_settings_store.h"
#include "tests/unit/practical_note/fakes.h"

namespace norvella::practical_note::testing {

inline constexpr char16_t kProgramFolder[] = u"C:\\Program Files\\Norvella";
inline constexpr char16_t kProgramPath[] = u"C:\\Program Files\\Norvella\\NorvellaB.exe";

// The system around a note: store, screen and the desktop services, all doubles.
struct NoteSystem {
  NoteServices Services() {
    return NoteServices{store, screen, clipboard, keys, starter, save_dialog, files, gbk,
                        kProgramFolder, kProgramPath};
  }
  norvella::testing::MemorySettingsStore store;
  norvella::testing::FakeScreen screen;
  norvella::testing::FakeClipboard clipboard;
  norvella::testing::FakeKeyState keys;
  norvella::testing::FakeProcessStarter starter;
  norvella::testing::FakeSaveDialog save_dialog;
  norvella::testing::MemoryFileSystem files;
  norvella::testing::GbkCodec gbk;
};

// A complete note of its own, started on `system`: for tables of start-up cases.
struct StartedNote {
  explicit StartedNote(NoteSystem& system)
      : toast(toast_view, system.screen), note(view, system.Services(), toast) {
    view.note = &note;
    note.Start();
  }
  FakeNoteView view;
  FakeToastView toast_view;
  Toast toast;
  PracticalNote note;
};

// A note on a 1024 by 768 screen at 96 dpi (15 twips a pixel) with an empty store.
class NoteFixture : public ::testing::Test, protected NoteSystem {
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
  const ImageButton& Pair(Button b) const { return note.strip().buttons[Id(b)]; }
  bool NormalShown(Button b) const { return Pair(b).normal_visible; }
  bool HotShown(Button b) const { return Pair(b).hot_visible; }
  bool MarkShown(int i) const { return note.strip().marks[static_cast<size_t>(i)].visible; }
  bool GripShown() const { return note.strip().grip.visible; }
  // The middle of a button's picture.
  TwipPoint On(Button b) const {
    const TwipRect r = Pair(b).place;
    return {r.left + r.width / 2, r.top + r.height / 2};
  }
  // Hover, press and release the left button on a button: a click as the user makes it.
  void ClickButton(Button b) {
    note.OnPointerMove(On(b), false);
    note.OnButtonDown(On(b), MouseButton::Left);
    note.OnButtonUp(On(b), MouseButton::Left);
  }

  FakeToastView toast_view;
  Toast toast{toast_view, screen};
  FakeNoteView view;
  PracticalNote note{view, Services(), toast};
};

}  // namespace norvella::practical_note::testing
