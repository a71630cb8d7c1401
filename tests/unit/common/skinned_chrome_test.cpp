#include "common/skinned_chrome.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace norvella {
namespace {

class FakeChromeView final : public ChromeView {
 public:
  void StartWindowDrag() override { ++drags; }
  void Minimise() override { ++minimised; }
  void PicturesChanged() override { ++changes; }
  TwipPoint Position() const override { return position; }
  void ShowAt(TwipPoint top_left) override {
    position = top_left;
    visible = true;
  }
  void Hide() override { visible = false; }

  int drags = 0;
  int minimised = 0;
  int changes = 0;
  TwipPoint position;
  bool visible = false;
};

// A page with an offset button, a tile, a dragging picture and an inert label; it records what
// the chrome asks of it.
class TestPage final : public SkinnedChrome {
 public:
  explicit TestPage(ChromeView& view, int pair_top = kPairTop) : SkinnedChrome(view, pair_top) {
    ImageButton small;
    small.place = {7920, 1200, 1695, 720};
    small.press = PressStyle::Offset;
    small.hand_cursor = true;
    link = buttons().Add(small);
    ImageButton large;
    large.place = {2460, 960, 3750, 1800};
    large.press = PressStyle::OffsetAndShrink;
    large.shrink = 150;
    large.action_on = ActionOn::Release;
    tile = buttons().Add(large);
    logo = AddArea({{2380, 3000, 5250, 2250}, true, true});
    label = AddArea({{8040, 5805, 1500, 300}, true, false});
  }
  void RestorePage() override {
    ++page_restores;
    SkinnedChrome::RestorePage();
  }
  void OnAction(Id id, MouseButton) override { actions.push_back(id); }
  void OnClose() override { ++closes; }

  Id link = 0, tile = 0;
  int logo = 0, label = 0;
  std::vector<Id> actions;
  int closes = 0;
  int page_restores = 0;
};

constexpr TwipPoint kBackground{1000, 6000};
constexpr TwipPoint kOnClose{9890, 170};
constexpr TwipPoint kOnMinimise{9530, 170};
constexpr TwipPoint kOnLink{8700, 1500};
constexpr TwipPoint kOnTile{4000, 1800};
constexpr TwipPoint kOnLogo{4000, 4000};
constexpr TwipPoint kOnLabel{8500, 5900};
constexpr TwipPoint kOutside{-300, -300};

std::string Shows(const ImageButton& b) {
  if (b.normal_visible && b.hot_visible) return "both";
  if (b.normal_visible) return "normal";
  if (b.hot_visible) return "hot";
  return "none";
}

class Chrome : public ::testing::Test {
 protected:
  FakeChromeView view;
  TestPage page{view};
  const ImageButtonSet& set() const { return page.buttons(); }
};

TEST_F(Chrome, ThePairSitsAtTheTopRightOnePixelApart) {
  EXPECT_EQ(set()[page.close()].place, (TwipRect{9720, 20, 345, 315}));
  EXPECT_EQ(set()[page.minimise()].place, (TwipRect{9360, 20, 345, 315}));
  // 9360 + 345 = 9705: one pixel (15 twips at 96 dpi) short of the close button.
  EXPECT_EQ(kCloseLeft - set()[page.minimise()].place.Right(), 15);
  EXPECT_LE(set()[page.close()].place.Right(), kSkinnedWindowSize.width);

  TestPage launcher(view, 15);
  EXPECT_EQ(launcher.buttons()[launcher.close()].place.top, 15);
  EXPECT_EQ(launcher.buttons()[launcher.minimise()].place.top, 15);
  for (const TestPage* p : {&page, &launcher}) {
    for (auto id : {p->close(), p->minimise()}) {
      const ImageButton& b = p->buttons()[id];
      EXPECT_TRUE(b.normal_visible);
      EXPECT_FALSE(b.hot_visible);
      EXPECT_FALSE(b.hand_cursor) << "the pair keeps the standard arrow";
    }
  }
}

TEST_F(Chrome, PointerPathsOverThePairAndTheBackground) {
  const struct {
    const char* path;
    std::vector<TwipPoint> points;
    std::string close, minimise, link;
  } cases[] = {
      {"onto close", {kOnClose}, "hot", "normal", "normal"},
      {"close straight onto minimise", {kOnClose, kOnMinimise}, "normal", "hot", "normal"},
      {"minimise straight onto close", {kOnMinimise, kOnClose}, "hot", "normal", "normal"},
      {"close, then the background", {kOnClose, kBackground}, "normal", "normal", "normal"},
      {"link, then close: the link stays hot", {kOnLink, kOnClose}, "hot", "normal", "hot"},
      {"link, close, background", {kOnLink, kOnClose, kBackground}, "normal", "normal", "normal"},
      {"link, then a dragging picture", {kOnLink, kOnLogo}, "normal", "normal", "hot"},
      {"link, then a label", {kOnLink, kOnLabel}, "normal", "normal", "hot"},
  };
  for (const auto& c : cases) {
    FakeChromeView v;
    TestPage p(v);
    for (TwipPoint point : c.points) p.OnPointerMove(point);
    EXPECT_EQ(Shows(p.buttons()[p.close()]), c.close) << c.path;
    EXPECT_EQ(Shows(p.buttons()[p.minimise()]), c.minimise) << c.path;
    EXPECT_EQ(Shows(p.buttons()[p.link]), c.link) << c.path;
  }
}

TEST_F(Chrome, TheRestoreStepRunsThePagesPartAndRepaintsOnlyWhenSomethingChanged) {
  page.OnPointerMove(kOnClose);
  const int changes = view.changes;
  EXPECT_EQ(changes, 1);
  page.OnPointerMove(kBackground);
  EXPECT_EQ(view.changes, changes + 1);
  EXPECT_EQ(page.page_restores, 1);
  for (int i = 0; i < 5; ++i) page.OnPointerMove({kBackground.x + i * 15, kBackground.y});
  EXPECT_EQ(page.page_restores, 6) << "the page restores its own controls each time";
  EXPECT_EQ(view.changes, changes + 1) << "but nothing is painted again";
}

TEST_F(Chrome, LeavingTheWindowRestoresUnlessAPictureIsHeld) {
  page.OnPointerMove(kOnClose);
  page.OnPointerLeave();
  EXPECT_EQ(Shows(set()[page.close()]), "normal");

  page.OnPointerMove(kOnLink);
  page.OnButtonDown(kOnLink, MouseButton::Left);
  page.OnPointerLeave();
  EXPECT_EQ(Shows(set()[page.link]), "hot") << "the pressed picture holds the pointer";
  page.OnButtonUp(kOutside, MouseButton::Left);
  EXPECT_EQ(Shows(set()[page.link]), "normal") << "released outside the window";
  EXPECT_TRUE(page.actions.empty());
}

TEST_F(Chrome, OnlyALeftPressOnTheBackgroundOrADraggingPictureMovesTheWindow) {
  const struct {
    const char* where;
    TwipPoint point;
    MouseButton button;
    int drags;
  } cases[] = {
      {"background, left", kBackground, MouseButton::Left, 1},
      {"background, right", kBackground, MouseButton::Right, 0},
      {"background, middle", kBackground, MouseButton::Middle, 0},
      {"top-left corner, left", {0, 0}, MouseButton::Left, 1},
      {"between the pair's top and the window's edge, left", {9800, 5}, MouseButton::Left, 1},
      {"dragging picture, left", kOnLogo, MouseButton::Left, 1},
      {"dragging picture, right", kOnLogo, MouseButton::Right, 0},
      {"label, left", kOnLabel, MouseButton::Left, 0},
      {"button, left", kOnLink, MouseButton::Left, 0},
      {"close, left", kOnClose, MouseButton::Left, 0},
  };
  for (const auto& c : cases) {
    FakeChromeView v;
    TestPage p(v);
    p.OnButtonDown(c.point, c.button);
    p.OnButtonUp(c.point, c.button);
    EXPECT_EQ(v.drags, c.drags) << c.where;
  }
}

TEST_F(Chrome, PressMoveOutAndReleaseBringsThePictureBackWithoutItsAction) {
  page.OnPointerMove(kOnLink);
  page.OnButtonDown(kOnLink, MouseButton::Left);
  EXPECT_EQ(set()[page.link].HotRect(), (TwipRect{7940, 1220, 1695, 720}));
  // Moving out while held changes nothing: the pressed picture has the pointer.
  page.OnPointerMove(kBackground);
  page.OnPointerMove(kOnClose);
  EXPECT_TRUE(set()[page.link].pressed);
  EXPECT_EQ(Shows(set()[page.close()]), "normal");
  page.OnButtonUp(kBackground, MouseButton::Left);
  EXPECT_EQ(set()[page.link].HotRect(), set()[page.link].place);
  EXPECT_TRUE(page.actions.empty());
  EXPECT_EQ(view.drags, 0);
  // It stays hot until the pointer next crosses the background.
  EXPECT_EQ(Shows(set()[page.link]), "hot");
  page.OnPointerMove(kBackground);
  EXPECT_EQ(Shows(set()[page.link]), "normal");
}

TEST_F(Chrome, ClicksRunTheirActionsByTheButtonsRule) {
  const struct {
    const char* what;
    TwipPoint press, release;
    MouseButton button;
    int actions, closes, minimised;
  } cases[] = {
      {"left click on the link", kOnLink, kOnLink, MouseButton::Left, 1, 0, 0},
      {"right click on the link", kOnLink, kOnLink, MouseButton::Right, 0, 0, 0},
      {"tile released outside", kOnTile, kBackground, MouseButton::Left, 1, 0, 0},
      {"tile, right button", kOnTile, kOnTile, MouseButton::Right, 1, 0, 0},
      {"close clicked", kOnClose, kOnClose, MouseButton::Left, 0, 1, 0},
      {"close pressed, released on minimise", kOnClose, kOnMinimise, MouseButton::Left, 0, 0, 0},
      {"close right-clicked", kOnClose, kOnClose, MouseButton::Right, 0, 0, 0},
      {"minimise clicked", kOnMinimise, kOnMinimise, MouseButton::Left, 0, 0, 1},
  };
  for (const auto& c : cases) {
    FakeChromeView v;
    TestPage p(v);
    p.OnPointerMove(c.press);
    p.OnButtonDown(c.press, c.button);
    p.OnPointerMove(c.release);
    p.OnButtonUp(c.release, c.button);
    EXPECT_EQ(static_cast<int>(p.actions.size()), c.actions) << c.what;
    EXPECT_EQ(p.closes, c.closes) << c.what;
    EXPECT_EQ(v.minimised, c.minimised) << c.what;
  }
}

TEST_F(Chrome, APressWithoutAnEarlierMoveFindsTheButtonHot) {
  // The window came up under a still pointer: the first press is still a press on the button.
  page.OnButtonDown(kOnLink, MouseButton::Left);
  EXPECT_TRUE(set()[page.link].pressed);
  page.OnButtonUp(kOnLink, MouseButton::Left);
  EXPECT_EQ(page.actions, std::vector<SkinnedChrome::Id>{page.link});
}

TEST_F(Chrome, TwoButtonsHeldOnATileActOnceAndLeaveItInPlace) {
  page.OnPointerMove(kOnTile);
  page.OnButtonDown(kOnTile, MouseButton::Left);
  page.OnButtonDown(kOnTile, MouseButton::Right);
  page.OnButtonDown(kOnLink, MouseButton::Middle);  // the link is not hot: nothing
  page.OnButtonUp(kOnTile, MouseButton::Right);
  page.OnButtonUp(kOnTile, MouseButton::Left);
  page.OnButtonUp(kOnTile, MouseButton::Middle);
  EXPECT_EQ(page.actions, std::vector<SkinnedChrome::Id>{page.tile});
  EXPECT_EQ(set()[page.tile].HotRect(), set()[page.tile].place);
  EXPECT_FALSE(set()[page.link].pressed);
  EXPECT_EQ(view.drags, 0);
}

TEST_F(Chrome, HiddenAreasAndButtonsAreBackground) {
  page.area(page.label).visible = false;
  page.buttons().Hide(page.link);
  page.OnButtonDown(kOnLabel, MouseButton::Left);
  page.OnButtonDown(kOnLink, MouseButton::Left);
  EXPECT_EQ(view.drags, 2);
}

TEST(HandOver, TheTargetShowsWhereTheCurrentWindowWasDraggedTo) {
  FakeChromeView launcher, settings;
  launcher.visible = true;
  launcher.position = {900, 2400};
  HandOver(launcher, settings);
  EXPECT_TRUE(settings.visible);
  EXPECT_FALSE(launcher.visible);
  EXPECT_EQ(settings.position, (TwipPoint{900, 2400}));
  settings.position = {3000, 150};  // dragged again
  HandOver(settings, launcher);
  EXPECT_TRUE(launcher.visible);
  EXPECT_FALSE(settings.visible);
  EXPECT_EQ(launcher.position, (TwipPoint{3000, 150}));
}

}  // namespace
}  // namespace norvella
