// The toast's opacity steps: the loading strip, the fade-out the note starts, and `showinfo`.
#include <gtest/gtest.h>

#include "tests/support/fake_screen.h"
#include "tests/unit/practical_note/fakes.h"

namespace norvella::practical_note::testing {
namespace {

class ToastTest : public ::testing::Test {
 protected:
  // Ticks whichever of the toast's timers runs, as the message loop would, and counts the ticks.
  int TickUntilIdle(ToastTimer timer) {
    int ticks = 0;
    while (view.timers.count(timer) && ticks < 1000) {
      toast.OnTimer(timer);
      ++ticks;
    }
    return ticks;
  }

  norvella::testing::FakeScreen screen;
  FakeToastView view;
  Toast toast{view, screen};
};

TEST_F(ToastTest, LoadsCentredAtAlpha200AndAsksForTheNoteOnce) {
  toast.Load();
  EXPECT_EQ(view.bounds, (TwipRect{(15360 - 2880) / 2, (11520 - 375) / 2, 2880, 375}));
  EXPECT_EQ(view.opacity, 200);
  EXPECT_EQ(view.back_colour, Colour::FromRgb(255, 255, 255));
  EXPECT_TRUE(view.hidden_from_task_list);
  EXPECT_TRUE(toast.TakeFirstShow());
  EXPECT_FALSE(toast.TakeFirstShow());
}

TEST_F(ToastTest, FadeOutTakesNineStepsAndHides) {
  toast.Load();
  view.visible = true;
  toast.StartFadeOut();
  std::vector<int> seen;
  while (view.timers.count(ToastTimer::FadeOut)) {
    toast.OnTimer(ToastTimer::FadeOut);
    seen.push_back(view.opacity);
  }
  EXPECT_EQ(seen, (std::vector<int>{180, 160, 140, 120, 100, 80, 60, 40, 20}));
  EXPECT_FALSE(view.visible);
  EXPECT_EQ(toast.phase(), Toast::Phase::Hidden);
}

TEST_F(ToastTest, ShowInfoPlacesFadesInHoldsAndFadesOut) {
  toast.Load();
  toast.StartFadeOut();
  TickUntilIdle(ToastTimer::FadeOut);

  const TwipRect note{3000, 1500, 3800, 2000};
  toast.ShowInfo(u"保存完成", note, 360);
  EXPECT_TRUE(view.visible);
  EXPECT_EQ(view.message, u"保存完成");
  EXPECT_EQ(view.bounds, (TwipRect{3030, 1860, 3740, 375}));
  EXPECT_EQ(view.message_left, (3800 - view.message_width) / 2);

  EXPECT_EQ(TickUntilIdle(ToastTimer::FadeIn), 9);
  EXPECT_EQ(view.opacity, 200);
  EXPECT_TRUE(view.timers.count(ToastTimer::Hold));
  EXPECT_EQ(TickUntilIdle(ToastTimer::Hold), 1);
  EXPECT_EQ(TickUntilIdle(ToastTimer::FadeOut), 9);
  EXPECT_FALSE(view.visible);

  // With the strip covered the toast sits 30 twips below the note's top.
  toast.ShowInfo(u"x", note, 30);
  EXPECT_EQ(view.bounds.top, 1530);
}

TEST_F(ToastTest, AMessageDuringTheFadeOutIsDropped) {
  toast.Load();
  toast.StartFadeOut();
  toast.OnTimer(ToastTimer::FadeOut);
  toast.ShowInfo(u"dropped", {0, 0, 3800, 2000}, 360);
  EXPECT_NE(view.message, u"dropped");
  EXPECT_EQ(TickUntilIdle(ToastTimer::FadeOut), 8);
  EXPECT_FALSE(view.visible);
}

TEST_F(ToastTest, AMessageWhileHoldingReplacesTheTextAndStaysWithinRange) {
  toast.Load();
  toast.StartFadeOut();
  TickUntilIdle(ToastTimer::FadeOut);
  toast.ShowInfo(u"first", {0, 0, 3800, 2000}, 360);
  TickUntilIdle(ToastTimer::FadeIn);
  ASSERT_EQ(toast.phase(), Toast::Phase::Holding);

  toast.ShowInfo(u"second", {0, 0, 3800, 2000}, 360);
  EXPECT_EQ(view.message, u"second");
  EXPECT_FALSE(view.timers.count(ToastTimer::Hold));
  EXPECT_EQ(TickUntilIdle(ToastTimer::FadeIn), 1);
  EXPECT_EQ(view.opacity, 200);
  EXPECT_TRUE(view.timers.count(ToastTimer::Hold));

  // And while fading in: the opacity never leaves 20..200.
  TickUntilIdle(ToastTimer::Hold);
  TickUntilIdle(ToastTimer::FadeOut);
  toast.ShowInfo(u"third", {0, 0, 3800, 2000}, 360);
  toast.OnTimer(ToastTimer::FadeIn);
  toast.ShowInfo(u"fourth", {0, 0, 3800, 2000}, 360);
  while (view.timers.count(ToastTimer::FadeIn)) {
    toast.OnTimer(ToastTimer::FadeIn);
    EXPECT_GE(view.opacity, 20);
    EXPECT_LE(view.opacity, 200);
  }
  EXPECT_EQ(view.message, u"fourth");
}

}  // namespace
}  // namespace norvella::practical_note::testing
