// The tool strip at work: opacity steps, toggles, the size grip, hover, and the keys of the text.
#include <gtest/gtest.h>

#include "common/settings_values.h"
#include "tests/unit/practical_note/note_fixture.h"

namespace norvella::practical_note::testing {
namespace {

class NoteStrip : public NoteFixture {
 protected:
  void SetUp() override {
    Store(u"Left", u"3000");
    Store(u"Top", u"1500");
    note.Start();
    Tick(NoteTimer::Poll);
    store.ClearWrites();
    view.log.clear();
    // The loading toast has faded out: messages show.
    while (toast_view.timers.count(ToastTimer::FadeOut)) toast.OnTimer(ToastTimer::FadeOut);
  }
  std::vector<int> OpacitiesWhileHeld(Button button, int max_ticks = 40) {
    note.OnPointerMove(On(button), false);
    note.OnButtonDown(On(button), MouseButton::Left);
    std::vector<int> seen;
    for (int i = 0; i < max_ticks && view.timers.count(NoteTimer::Alpha); ++i) {
      note.OnTimer(NoteTimer::Alpha);
      seen.push_back(view.opacity);
    }
    return seen;
  }
  void ReleaseOn(Button button) { note.OnButtonUp(On(button), MouseButton::Left); }
};

TEST(OpacityPercent, RoundsToTheNearestWholePercent) {
  const std::pair<int, int> cases[] = {{221, 87}, {17, 7}, {255, 100}, {238, 93}, {128, 50}, {0, 0}};
  for (auto [opacity, percent] : cases) EXPECT_EQ(OpacityPercent(opacity), percent) << opacity;
}

TEST_F(NoteStrip, HoldingLessFallsToSeventeenAndStops) {
  const std::vector<int> seen = OpacitiesWhileHeld(Button::AlphaJian);
  EXPECT_EQ(seen, (std::vector<int>{204, 187, 170, 153, 136, 119, 102, 85, 68, 51, 34, 17, 17}));
  EXPECT_FALSE(view.timers.count(NoteTimer::Alpha));
  ReleaseOn(Button::AlphaJian);
  EXPECT_EQ(toast_view.message, u"当前透明度：7%");
  EXPECT_EQ(Stored(u"Alpha"), u"<missing>");  // the opacity is stored only when the note closes
}

TEST_F(NoteStrip, HoldingMoreFrom238TakesOneStepTo255) {
  ResetStore();
  Store(u"Alpha", u"238");
  StartedNote n(*this);
  n.note.OnPointerMove(On(Button::AlphaPlus), false);
  n.note.OnButtonDown(On(Button::AlphaPlus), MouseButton::Right);  // any button holds it
  n.note.OnTimer(NoteTimer::Alpha);
  EXPECT_EQ(n.view.opacity, 255);
  n.note.OnTimer(NoteTimer::Alpha);
  EXPECT_EQ(n.view.opacity, 255);
  EXPECT_FALSE(n.view.timers.count(NoteTimer::Alpha));
  while (n.toast_view.timers.count(ToastTimer::FadeOut)) n.toast.OnTimer(ToastTimer::FadeOut);
  n.note.OnButtonUp(On(Button::AlphaPlus), MouseButton::Right);
  EXPECT_EQ(n.toast_view.message, u"当前透明度：100%");
}

TEST_F(NoteStrip, ReleasingBeforeTheFirstTickChangesNothingAndShowsTheOpacity) {
  note.OnPointerMove(On(Button::AlphaJian), false);
  note.OnButtonDown(On(Button::AlphaJian), MouseButton::Left);
  EXPECT_TRUE(view.timers.count(NoteTimer::Alpha));
  note.OnButtonUp({100, 1000}, MouseButton::Left);  // released outside: still its release
  EXPECT_FALSE(view.timers.count(NoteTimer::Alpha));
  EXPECT_EQ(note.opacity(), 221);
  EXPECT_EQ(toast_view.message, u"当前透明度：87%");
}

TEST_F(NoteStrip, CtrlWithKeypadKeysStepsAndTheKeyReleaseShowsTheOpacity) {
  EXPECT_TRUE(note.OnTextKeyDown(kKeyPadMinus, {true, false, false}));
  // Keeping the keys down repeats the key: the timer is not started again, so it keeps ticking.
  EXPECT_TRUE(note.OnTextKeyDown(kKeyPadMinus, {true, false, false}));
  EXPECT_EQ(std::count(view.log.begin(), view.log.end(), "StartTimer 3"), 1);
  Tick(NoteTimer::Alpha, 2);
  note.OnTextKeyUp(kKeyPadMinus);
  EXPECT_EQ(note.opacity(), 187);
  EXPECT_EQ(toast_view.message, u"当前透明度：73%");

  EXPECT_TRUE(note.OnTextKeyDown(kKeyPadPlus, {true, false, false}));
  Tick(NoteTimer::Alpha);
  EXPECT_EQ(note.opacity(), 204);
  // Without Ctrl, or with more than Ctrl, the keys are the text's.
  note.OnTextKeyUp(kKeyPadPlus);
  EXPECT_FALSE(note.OnTextKeyDown(kKeyPadPlus, {false, false, false}));
  EXPECT_FALSE(note.OnTextKeyDown(kKeyPadPlus, {true, true, false}));
  EXPECT_FALSE(view.timers.count(NoteTimer::Alpha));
}

TEST_F(NoteStrip, CtrlAloneSelectsAllAndQuits) {
  // Ctrl+Shift+A and Ctrl+Alt+A: nothing, and the text box does not get them either.
  EXPECT_TRUE(note.OnTextKeyDown('A', {true, true, false}));
  EXPECT_TRUE(note.OnTextKeyDown('A', {true, false, true}));
  EXPECT_FALSE(note.OnTextKeyDown('A', {false, true, false}));  // Shift+A is a letter
  EXPECT_EQ(view.IndexOf("SelectAll"), -1);
  EXPECT_TRUE(note.OnTextKeyDown('A', {true, false, false}));
  EXPECT_NE(view.IndexOf("SelectAll"), -1);
  EXPECT_FALSE(note.closing());
  EXPECT_TRUE(note.OnTextKeyDown('Q', {true, false, false}));
  EXPECT_TRUE(note.closing());
}

TEST_F(NoteStrip, TogglesWriteTheirKeyAndShowTheirMark) {
  const struct {
    Button button;
    std::u16string_view key;
    int mark;
  } cases[] = {{Button::tack, u"Front", 0}, {Button::moveme, u"FormMove", 1}, {Button::size, u"FormSize", 2}};
  for (const auto& c : cases) {
    SCOPED_TRACE(Utf16ToUtf8(c.key));
    ClickButton(c.button);
    EXPECT_EQ(Stored(c.key), u"0");
    EXPECT_FALSE(MarkShown(c.mark));
    ClickButton(c.button);
    EXPECT_EQ(Stored(c.key), u"1");
    EXPECT_TRUE(MarkShown(c.mark));
  }
  // Each toggle's own effect.
  ClickButton(Button::tack);
  EXPECT_FALSE(view.topmost);
  ClickButton(Button::tack);
  EXPECT_TRUE(view.topmost);
  ClickButton(Button::size);
  EXPECT_FALSE(GripShown());
  ClickButton(Button::size);
  EXPECT_TRUE(GripShown());
}

TEST_F(NoteStrip, MoveLockSendsTheWindowBackAfterADrag) {
  view.during_drag = [](FakeNoteView& v) { v.bounds.left += 1500, v.bounds.top += 600; };
  ClickButton(Button::moveme);  // moving no longer allowed
  note.OnButtonDown({700, 20}, MouseButton::Left);
  note.OnButtonUp({700, 20}, MouseButton::Left);
  EXPECT_EQ(view.bounds.Origin(), (TwipPoint{3000, 1500}));
  EXPECT_NE(view.IndexOf("StartWindowDrag"), -1);  // it followed the pointer meanwhile
}

TEST_F(NoteStrip, SizeGripFollowsThePointerAndThePollRestoresTheSmallestSize) {
  const TwipRect grip = note.strip().grip.rect;
  EXPECT_EQ(grip, (TwipRect{3700, 1900, 100, 100}));
  note.OnButtonDown({grip.left + 50, grip.top + 50}, MouseButton::Left);
  note.OnPointerMove({grip.left + 600, grip.top + 300}, true);
  EXPECT_EQ(view.bounds.Size(), (TwipSize{4400, 2300}));
  // Without a button held the grip does nothing.
  note.OnPointerMove({note.strip().grip.rect.left + 600, note.strip().grip.rect.top}, false);
  EXPECT_EQ(view.bounds.Size(), (TwipSize{4400, 2300}));
  // Dragged down to 600 by 600: one poll later the note is 1200 by 800.
  const TwipRect g = note.strip().grip.rect;
  note.OnPointerMove({g.left - 3800, g.top - 1700}, true);
  EXPECT_EQ(view.bounds.Size(), (TwipSize{600, 600}));
  note.OnButtonUp({0, 0}, MouseButton::Left);
  Tick(NoteTimer::Poll);
  EXPECT_EQ(view.bounds.Size(), (TwipSize{1200, 800}));
}

TEST_F(NoteStrip, TheGripNeverTakesTheWindowTo500OrBelow) {
  const TwipRect g = note.strip().grip.rect;
  note.OnButtonDown({g.left, g.top}, MouseButton::Left);
  note.OnPointerMove({g.left - 3400, g.top - 1600}, true);  // 400 by 400 asked
  EXPECT_EQ(view.bounds.Size(), (TwipSize{3800, 2000}));
}

TEST_F(NoteStrip, NarrowStripAndTheWidenButton) {
  view.UserSetsBounds({3000, 1500, 3000, 2000});
  EXPECT_TRUE(NormalShown(Button::WID));
  EXPECT_EQ(Pair(Button::WID).place.left, (3000 - 240) / 2);
  EXPECT_FALSE(NormalShown(Button::save));
  ClickButton(Button::WID);
  EXPECT_EQ(view.bounds.width, 3800);
  EXPECT_FALSE(HotShown(Button::WID));
  EXPECT_FALSE(NormalShown(Button::WID));
  EXPECT_TRUE(NormalShown(Button::save));
}

TEST_F(NoteStrip, HoverRestoresOnTheBackgroundOnly) {
  note.OnPointerMove(On(Button::save), false);
  EXPECT_TRUE(HotShown(Button::save));
  // Straight onto the next picture: the first one stays hot until the pointer crosses the strip.
  note.OnPointerMove(On(Button::NVA), false);
  EXPECT_TRUE(HotShown(Button::save));
  EXPECT_TRUE(HotShown(Button::NVA));
  note.OnPointerMove({2100, 320}, false);  // the strip's background
  EXPECT_FALSE(HotShown(Button::save) || HotShown(Button::NVA));
  EXPECT_TRUE(NormalShown(Button::save) && NormalShown(Button::NVA));

  // On the narrow strip the background puts back WID, close and add.
  view.UserSetsBounds({3000, 1500, 3000, 2000});
  note.OnPointerMove(On(Button::WID), false);
  note.OnPointerMove(On(Button::closeme), false);
  EXPECT_TRUE(HotShown(Button::WID) && HotShown(Button::closeme));
  note.OnPointerMove({600, 320}, false);
  EXPECT_TRUE(NormalShown(Button::WID) && NormalShown(Button::closeme));
}

TEST_F(NoteStrip, DoubleClickAndTheMenuCoverTheStripAndRecolourTheText) {
  Store(u"FontColor", u"255");
  note.OnTextDoubleClick();
  EXPECT_EQ(note.text_box().top, 30);
  EXPECT_EQ(Stored(u"HideToolsBar"), u"Yes");
  EXPECT_EQ(view.selection_colour, Colour{255});
  note.OnEditCommand(kCmdToolBar);
  EXPECT_EQ(note.text_box().top, 360);
  EXPECT_EQ(note.text_box().height, 2000 - 390);
  EXPECT_EQ(Stored(u"HideToolsBar"), u"No");
}

}  // namespace
}  // namespace norvella::practical_note::testing
