// Saving the text, the closing sequence tick by tick, the session end and the close button.
#include <gtest/gtest.h>

#include "tests/unit/practical_note/note_fixture.h"

namespace norvella::practical_note::testing {
namespace {

class NoteRunning : public NoteFixture {
 protected:
  void SetUp() override {
    Store(u"Left", u"3000");
    Store(u"Top", u"1500");
    note.Start();
    store.ClearWrites();
    view.log.clear();
  }
};

TEST_F(NoteRunning, SaveTickWritesTheTextOnlyWhenRememberTextIsYes) {
  view.text = u"第一行\r\n";
  Tick(NoteTimer::Save);
  EXPECT_EQ(Stored(u"Text"), u"第一行\r\n");

  // The option is read on every tick: the hub may have changed it meanwhile.
  Store(u"RememberText", u"No");
  view.text = u"changed";
  Tick(NoteTimer::Save);
  EXPECT_EQ(Stored(u"Text"), u"第一行\r\n");
  EXPECT_TRUE(view.timers.count(NoteTimer::Save));
}

TEST_F(NoteRunning, CloseWritesGeometryThenRisesAndFadesOutTickByTick) {
  view.text = u"最后的字";
  note.CloseNote();
  EXPECT_EQ(store.writes(),
            (std::vector<std::u16string>{u"NorvellaB/Left=3000", u"NorvellaB/Top=1500",
                                         u"NorvellaB/Width=3800", u"NorvellaB/Height=2000",
                                         u"NorvellaB/Alpha=221"}));
  EXPECT_FALSE(view.procedure_installed);
  EXPECT_TRUE(view.timers.count(NoteTimer::Close));

  // 221 falls by 17 each tick: 13 ticks reach 0, each moving the window up by 50 twips.
  for (int tick = 1; tick <= 13; ++tick) {
    Tick(NoteTimer::Close);
    EXPECT_EQ(view.opacity, 221 - 17 * tick);
    EXPECT_EQ(view.bounds.top, 1500 - 50 * tick);
    EXPECT_FALSE(view.ended);
  }
  EXPECT_EQ(Stored(u"Text"), u"<missing>");  // the text is written only at the very end
  Tick(NoteTimer::Close);
  EXPECT_TRUE(view.ended);
  EXPECT_EQ(view.opacity, 0);
  EXPECT_EQ(Stored(u"Text"), u"最后的字");
  EXPECT_FALSE(view.timers.count(NoteTimer::Close));
}

TEST_F(NoteRunning, FromOpacity17TheFirstTickReachesZeroAndTheSecondEnds) {
  ResetStore();
  Store(u"Alpha", u"17");
  StartedNote n(*this);
  n.note.CloseNote();
  n.note.OnTimer(NoteTimer::Close);
  EXPECT_EQ(n.view.opacity, 0);
  EXPECT_FALSE(n.view.ended);
  n.note.OnTimer(NoteTimer::Close);
  EXPECT_TRUE(n.view.ended);
}

TEST_F(NoteRunning, ClosingAtTheTopEdgeOnlyFades) {
  view.bounds.top = 0;
  note.CloseNote();
  Tick(NoteTimer::Close, 20);
  EXPECT_TRUE(view.ended);
  EXPECT_EQ(view.IndexOf("SetBounds"), -1);
}

TEST_F(NoteRunning, CloseWithRememberTextOffLeavesTheStoredTextAlone) {
  Store(u"Text", u"earlier");
  Store(u"RememberText", u"No");
  view.text = u"not kept";
  note.CloseNote();
  Tick(NoteTimer::Close, 20);
  EXPECT_TRUE(view.ended);
  EXPECT_EQ(Stored(u"Text"), u"earlier");
}

TEST_F(NoteRunning, ASecondCloseRequestIsIgnored) {
  note.CloseNote();
  Tick(NoteTimer::Close, 3);
  store.ClearWrites();
  note.CloseNote();
  EXPECT_TRUE(store.writes().empty());
  EXPECT_EQ(view.opacity, 221 - 3 * 17);
}

TEST_F(NoteRunning, SessionEndWritesWhatACloseWould) {
  view.text = u"typed a moment ago";
  view.bounds = {4500, 2100, 5000, 2500};
  note.OnSessionEnding();
  EXPECT_EQ(Stored(u"Text"), u"typed a moment ago");
  EXPECT_EQ(Stored(u"Left"), u"4500");
  EXPECT_EQ(Stored(u"Top"), u"2100");
  EXPECT_EQ(Stored(u"Width"), u"5000");
  EXPECT_EQ(Stored(u"Height"), u"2500");
  EXPECT_EQ(Stored(u"Alpha"), u"221");
  EXPECT_FALSE(view.ended);  // Windows ends the process; the note does not fade

  Store(u"RememberText", u"No");
  view.text = u"not kept";
  note.OnSessionEnding();
  EXPECT_EQ(Stored(u"Text"), u"typed a moment ago");
}

TEST_F(NoteRunning, CloseButtonHoverAndClick) {
  const TwipRect close = Pair(Button::closeme).place;
  const TwipPoint on_close{close.left + 100, close.top + 100};
  EXPECT_EQ(close.left, 3800 - 360);

  note.OnPointerMove(on_close, false);
  EXPECT_FALSE(NormalShown(Button::closeme));
  EXPECT_TRUE(HotShown(Button::closeme));

  // Press on the hot picture, release outside it: nothing happens.
  note.OnButtonDown(on_close, MouseButton::Left);
  note.OnButtonUp({100, 1000}, MouseButton::Left);
  EXPECT_FALSE(note.closing());

  // The right button does not click.
  note.OnButtonDown(on_close, MouseButton::Right);
  note.OnButtonUp(on_close, MouseButton::Right);
  EXPECT_FALSE(note.closing());

  note.OnButtonDown(on_close, MouseButton::Left);
  note.OnButtonUp(on_close, MouseButton::Left);
  EXPECT_TRUE(note.closing());

  // Back over the strip's background: the normal picture returns.
  note.OnPointerMove({700, 300}, false);
  EXPECT_TRUE(NormalShown(Button::closeme));
  EXPECT_FALSE(HotShown(Button::closeme));
}

TEST_F(NoteRunning, DragOnTheBackgroundMovesTheWindowUnlessMovingIsLocked) {
  view.during_drag = [](FakeNoteView& v) { v.bounds.left += 1500; };
  note.OnButtonDown({700, 300}, MouseButton::Right);
  EXPECT_EQ(view.IndexOf("StartWindowDrag"), -1);
  note.OnButtonDown({700, 300}, MouseButton::Left);
  note.OnButtonUp({700, 300}, MouseButton::Left);
  EXPECT_EQ(view.bounds.left, 4500);
}

}  // namespace
}  // namespace norvella::practical_note::testing
