#include "common/image_button.h"

#include <gtest/gtest.h>

#include <string>

namespace norvella {
namespace {

ImageButton Button(TwipRect place, PressStyle press = PressStyle::None, int shrink = 0) {
  ImageButton b;
  b.place = place;
  b.press = press;
  b.shrink = shrink;
  return b;
}

// What shows of a button: "normal", "hot", "both" or "none".
std::string Shows(const ImageButton& b) {
  if (b.normal_visible && b.hot_visible) return "both";
  if (b.normal_visible) return "normal";
  if (b.hot_visible) return "hot";
  return "none";
}

TEST(ImageButton, PressStylesMoveAndShrinkTheHotPictureOnlyWhilePressed) {
  const TwipRect place{2460, 960, 3750, 1800};
  const struct {
    PressStyle style;
    int shrink;
    bool pressed;
    TwipRect hot;
  } cases[] = {
      {PressStyle::None, 0, true, place},
      {PressStyle::Offset, 0, false, place},
      {PressStyle::Offset, 0, true, {2480, 980, 3750, 1800}},
      {PressStyle::OffsetAndShrink, 150, false, place},
      {PressStyle::OffsetAndShrink, 150, true, {2510, 1010, 3600, 1650}},
      {PressStyle::OffsetAndShrink, 100, true, {2510, 1010, 3650, 1700}},
  };
  for (const auto& c : cases) {
    ImageButton b = Button(place, c.style, c.shrink);
    b.pressed = c.pressed;
    EXPECT_EQ(b.HotRect(), c.hot) << static_cast<int>(c.style) << " pressed " << c.pressed;
    EXPECT_EQ(b.NormalRect(), place) << "the normal picture never moves";
  }
}

// Two buttons side by side and the close and minimise pair, which share a group.
class Hover : public ::testing::Test {
 protected:
  Hover() {
    a = set.Add(Button({1000, 1000, 1000, 500}));
    b = set.Add(Button({2000, 1000, 1000, 500}));  // touches a: no background between them
    ImageButton close = Button({9720, 20, 345, 315});
    close.group = 1;
    ImageButton minimise = Button({9360, 20, 345, 315});
    minimise.group = 1;
    close_ = set.Add(close);
    minimise_ = set.Add(minimise);
  }
  ImageButtonSet set;
  ImageButtonSet::Id a = 0, b = 0, close_ = 0, minimise_ = 0;
};

TEST_F(Hover, PointerPathsSwapPicturesAndKeepTheFirstHotUntilRestored) {
  const TwipPoint on_a{1500, 1200}, on_b{2500, 1200}, on_close{9800, 100}, on_minimise{9600, 100};
  const struct {
    const char* path;
    std::vector<TwipPoint> points;
    std::string a, b, close, minimise;
  } cases[] = {
      {"over a", {on_a}, "hot", "normal", "normal", "normal"},
      {"a straight onto b: a stays hot", {on_a, on_b}, "hot", "hot", "normal", "normal"},
      {"over a twice", {on_a, on_a}, "hot", "normal", "normal", "normal"},
      {"close", {on_close}, "normal", "normal", "hot", "normal"},
      {"close straight onto minimise", {on_close, on_minimise}, "normal", "normal", "normal", "hot"},
      {"minimise straight onto close", {on_minimise, on_close}, "normal", "normal", "hot", "normal"},
      {"close, minimise, close", {on_close, on_minimise, on_close}, "normal", "normal", "hot", "normal"},
      {"a then close: only the pair is one group", {on_a, on_close}, "hot", "normal", "hot", "normal"},
  };
  for (const auto& c : cases) {
    ImageButtonSet s = set;
    for (TwipPoint p : c.points) s.OnPointerOverNormal(p);
    EXPECT_EQ(Shows(s[a]), c.a) << c.path;
    EXPECT_EQ(Shows(s[b]), c.b) << c.path;
    EXPECT_EQ(Shows(s[close_]), c.close) << c.path;
    EXPECT_EQ(Shows(s[minimise_]), c.minimise) << c.path;
  }
}

TEST_F(Hover, OnlyEnabledShownNormalPicturesReact) {
  const TwipPoint on_a{1500, 1200};
  const struct {
    const char* name;
    void (*prepare)(ImageButton&);
    std::string after;
  } cases[] = {
      {"disabled", [](ImageButton& x) { x.enabled = false; }, "normal"},
      {"hidden by its page", [](ImageButton& x) { x.normal_visible = false; }, "none"},
      {"single picture", [](ImageButton& x) { x.single = true; }, "normal"},
  };
  for (const auto& c : cases) {
    ImageButtonSet s = set;
    c.prepare(s[a]);
    EXPECT_FALSE(s.OnPointerOverNormal(on_a)) << c.name;
    EXPECT_EQ(Shows(s[a]), c.after) << c.name;
  }
}

TEST_F(Hover, RestoreTurnsBackOnlyPicturesThatShowHot) {
  set.OnPointerOverNormal({1500, 1200});
  set.Hide(b);  // a page that is not current hides both pictures
  set.RestoreAll();
  EXPECT_EQ(Shows(set[a]), "normal");
  EXPECT_EQ(Shows(set[b]), "none") << "restoring must not bring back a hidden button";
  set.Show(b);
  EXPECT_EQ(Shows(set[b]), "normal");
}

TEST_F(Hover, DisablingAHotButtonTurnsItBackAndItCannotBePressed) {
  set.OnPointerOverNormal({1500, 1200});
  set.SetEnabled(a, false);
  EXPECT_EQ(Shows(set[a]), "normal");
  EXPECT_FALSE(set.HotAt({1500, 1200}));
  EXPECT_FALSE(set.Press({1500, 1200}));
  set.SetEnabled(a, true);
  EXPECT_EQ(set.OnPointerOverNormal({1500, 1200}), a);
}

struct PressCase {
  const char* name;
  PressStyle style;
  ActionOn action_on;
  bool single;
  MouseButton button;
  TwipPoint release_at;
  bool inside, action;
};

TEST(ImageButtonPress, ReleaseUndoesThePressWhereverItHappensAndActsByTheButtonsRule) {
  const TwipRect place{7920, 1200, 1695, 720};
  const TwipPoint press_at{8700, 1500};
  const TwipPoint far_away{500, 6000};
  // Pressed offset pictures sit 20 twips further: the first 20 twips of the place are outside.
  const TwipPoint left_edge_of_place{7930, 1500};
  const PressCase cases[] = {
      {"click on an offset button", PressStyle::Offset, ActionOn::Click, false, MouseButton::Left,
       press_at, true, true},
      {"offset button, moved out before release", PressStyle::Offset, ActionOn::Click, false,
       MouseButton::Left, far_away, false, false},
      {"offset button, released on the uncovered edge", PressStyle::Offset, ActionOn::Click, false,
       MouseButton::Left, left_edge_of_place, false, false},
      {"right click on an offset button", PressStyle::Offset, ActionOn::Click, false,
       MouseButton::Right, press_at, true, false},
      {"middle click on a plain swap button", PressStyle::None, ActionOn::Click, false,
       MouseButton::Middle, press_at, true, false},
      {"tile released far away", PressStyle::OffsetAndShrink, ActionOn::Release, false,
       MouseButton::Left, far_away, false, true},
      {"tile pressed and released with the right button", PressStyle::OffsetAndShrink,
       ActionOn::Release, false, MouseButton::Right, press_at, true, true},
      {"single picture clicked", PressStyle::Offset, ActionOn::Click, true, MouseButton::Left,
       press_at, true, true},
      {"single picture, moved out", PressStyle::Offset, ActionOn::Click, true, MouseButton::Left,
       far_away, false, false},
  };
  for (const PressCase& c : cases) {
    ImageButtonSet set;
    ImageButton b = Button(place, c.style, 150);
    b.action_on = c.action_on;
    b.single = c.single;
    if (!c.single) {
      b.normal_visible = false;  // the pointer is over it: the hot twin shows
      b.hot_visible = true;
    }
    const auto id = set.Add(b);
    ASSERT_EQ(set.Press(press_at), id) << c.name;
    if (c.style != PressStyle::None) {
      EXPECT_NE(set[id].HotRect(), place) << c.name << ": the press moves the picture";
    }
    const ImageButtonSet::Release r = set.ReleaseAt(c.release_at, c.button);
    EXPECT_EQ(r.button, id) << c.name;
    EXPECT_EQ(r.inside, c.inside) << c.name;
    EXPECT_EQ(r.action, c.action) << c.name;
    EXPECT_FALSE(set[id].pressed) << c.name;
    EXPECT_EQ(set[id].HotRect(), place) << c.name << ": the picture is back";
    EXPECT_FALSE(set.pressed()) << c.name;
  }
}

TEST(ImageButtonPress, AReleaseNeverUndoesMoreThanOnePress) {
  ImageButtonSet set;
  ImageButton tile = Button({2460, 960, 1800, 1800}, PressStyle::OffsetAndShrink, 100);
  tile.action_on = ActionOn::Release;
  tile.normal_visible = false;
  tile.hot_visible = true;
  ImageButton other = tile;
  other.place = {6290, 960, 1800, 1800};
  const auto first = set.Add(tile);
  const auto second = set.Add(other);

  ASSERT_EQ(set.Press({3000, 1500}), first);
  ASSERT_EQ(set.Press({7000, 1500}), second);  // the shared flag moves to the newest press
  EXPECT_FALSE(set[first].pressed);
  EXPECT_EQ(set[first].HotRect(), tile.place);

  const auto r1 = set.ReleaseAt({7000, 1500}, MouseButton::Left);
  EXPECT_EQ(r1.button, second);
  EXPECT_TRUE(r1.action);
  const auto r2 = set.ReleaseAt({3000, 1500}, MouseButton::Right);
  EXPECT_FALSE(r2.button) << "nothing is outstanding";
  EXPECT_FALSE(r2.action);
  EXPECT_EQ(set[first].HotRect(), tile.place);
  EXPECT_EQ(set[second].HotRect(), other.place);
}

TEST(ImageButtonPress, OnlyAVisibleEnabledReactingPictureTakesThePress) {
  ImageButtonSet set;
  const auto id = set.Add(Button({1000, 1000, 500, 500}, PressStyle::Offset));
  EXPECT_FALSE(set.Press({1200, 1200})) << "the normal picture only reacts to passing over";
  set.OnPointerOverNormal({1200, 1200});
  set.SetEnabled(id, false);
  EXPECT_FALSE(set.Press({1200, 1200}));
  set.SetEnabled(id, true);
  set.OnPointerOverNormal({1200, 1200});
  EXPECT_EQ(set.Press({1200, 1200}), id);
  set.SetEnabled(id, false);  // disabled while held down: the release does not act
  const auto r = set.ReleaseAt({1220, 1220}, MouseButton::Left);
  EXPECT_EQ(r.button, id);
  EXPECT_FALSE(r.action);
  EXPECT_FALSE(set[id].pressed);
}

}  // namespace
}  // namespace norvella
