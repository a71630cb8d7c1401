// Where the strip's pictures go as the note is resized.
#include "practical_note/strip_layout.h"

#include <gtest/gtest.h>

namespace norvella::practical_note {
namespace {

struct Laid {
  Strip strip = DesignStrip();
  TwipRect text_box{kTextLeft, kTextTopStripShown, 3550, 1110};
};

Laid LayOut(TwipSize window, int text_top = kTextTopStripShown, Toggles toggles = {true, true, true}) {
  Laid l;
  l.text_box.top = text_top;
  LayOutStrip(l.strip, l.text_box, window, toggles);
  return l;
}

bool Shown(const Laid& l, Button b) { return l.strip.buttons[Id(b)].normal_visible; }
int Left(const Laid& l, Button b) { return l.strip.buttons[Id(b)].place.left; }

TEST(StripLayout, FullStripFrom3800Twips) {
  for (int w : {3800, 4000, 9000}) {
    const Laid l = LayOut({w, 2000});
    SCOPED_TRACE(w);
    EXPECT_EQ(Left(l, Button::closeme), w - 360);
    EXPECT_EQ(Left(l, Button::setting), w - 720);
    EXPECT_EQ(Left(l, Button::size), w - 1080);
    EXPECT_EQ(Left(l, Button::moveme), w - 1440);
    EXPECT_EQ(Left(l, Button::tack), w - 1800);
    EXPECT_EQ(l.strip.marks[0].rect.left, w - 1800);
    EXPECT_EQ(l.strip.marks[1].rect.left, w - 1440);
    EXPECT_EQ(l.strip.marks[2].rect.left, w - 1080);
    for (Button b : {Button::ADD, Button::save, Button::NVA, Button::AlphaPlus, Button::AlphaJian,
                     Button::tack, Button::moveme, Button::size, Button::setting, Button::closeme})
      EXPECT_TRUE(Shown(l, b));
    EXPECT_FALSE(Shown(l, Button::WID));
    EXPECT_EQ(Left(l, Button::ADD), 120);  // ADD keeps its place in every layout
  }
}

TEST(StripLayout, NarrowStripBelow3800ShowsWidCentred) {
  for (int w : {1200, 3000, 3799}) {
    const Laid l = LayOut({w, 2000});
    SCOPED_TRACE(w);
    EXPECT_TRUE(Shown(l, Button::WID));
    EXPECT_EQ(Left(l, Button::WID), (w - 240) / 2);
    for (Button b : {Button::save, Button::NVA, Button::setting, Button::size, Button::moveme,
                     Button::tack, Button::AlphaPlus, Button::AlphaJian})
      EXPECT_FALSE(Shown(l, b));
    for (const SinglePicture& mark : l.strip.marks) EXPECT_FALSE(mark.visible);
    EXPECT_TRUE(Shown(l, Button::ADD));
    EXPECT_TRUE(Shown(l, Button::closeme));
    EXPECT_EQ(Left(l, Button::closeme), w - 360);
  }
}

TEST(StripLayout, BelowTheSmallestWidthOnlyCloseTextAndGripMove) {
  Laid l = LayOut({4000, 2000});
  LayOutStrip(l.strip, l.text_box, {1000, 700}, {true, true, true});
  EXPECT_EQ(Left(l, Button::closeme), 640);
  EXPECT_EQ(l.text_box.width, 940);
  EXPECT_EQ(l.strip.grip.rect, (TwipRect{900, 600, 100, 100}));
  EXPECT_TRUE(Shown(l, Button::save));  // left as the last full layout had it
  EXPECT_EQ(Left(l, Button::setting), 4000 - 720);
}

TEST(StripLayout, MarksFollowTheirToggles) {
  const Laid l = LayOut({3800, 2000}, kTextTopStripShown, {true, false, true});
  EXPECT_TRUE(l.strip.marks[0].visible);
  EXPECT_FALSE(l.strip.marks[1].visible);
  EXPECT_TRUE(l.strip.marks[2].visible);
}

TEST(StripLayout, TextBoxAndGripFollowTheSize) {
  const struct {
    int text_top;
    TwipSize window;
    TwipRect box;
  } cases[] = {
      {kTextTopStripShown, {3800, 2000}, {30, 360, 3740, 1610}},
      {kTextTopStripCovered, {3800, 2000}, {30, 30, 3740, 1940}},
      {kTextTopStripShown, {1200, 800}, {30, 360, 1140, 410}},
  };
  for (const auto& c : cases) {
    const Laid l = LayOut(c.window, c.text_top);
    EXPECT_EQ(l.text_box, c.box);
    EXPECT_EQ(l.strip.grip.rect,
              (TwipRect{c.window.width - 100, c.window.height - 100, 100, 100}));
  }
}

}  // namespace
}  // namespace norvella::practical_note
