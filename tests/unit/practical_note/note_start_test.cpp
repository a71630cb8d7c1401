// The practical note's start sequence: what it reads from the store and in which order it applies it.
#include <gtest/gtest.h>

#include "common/settings_values.h"

#include "tests/unit/practical_note/note_fixture.h"

namespace norvella::practical_note::testing {
namespace {

// A centred 3705 by 1500 window on 15360 by 11520 twips.
constexpr int kCentredLeft = (15360 - 3705) / 2;
constexpr int kCentredTop = (11520 - 1500) / 2;

using NoteStart = NoteFixture;

TEST_F(NoteStart, FirstRunWithAnEmptyStore) {
  note.Start();

  EXPECT_EQ(view.bounds, (TwipRect{kCentredLeft, kCentredTop, 3800, 2000}));
  EXPECT_EQ(view.opacity, 221);
  EXPECT_EQ(view.back_colour, Colour::FromRgb(40, 45, 45));
  EXPECT_TRUE(view.topmost);
  EXPECT_TRUE(note.toggles().front && note.toggles().may_move && note.toggles().may_size);
  EXPECT_TRUE(MarkShown(0) && MarkShown(1) && MarkShown(2));
  EXPECT_TRUE(GripShown());
  EXPECT_EQ(view.text, u"");
  EXPECT_EQ(view.font, (NoteFont{u"宋体", 9, false, false, false}));
  EXPECT_EQ(view.selection_colour, Colour{0});
  EXPECT_EQ(view.text_back_colour, Colour{12648447});
  EXPECT_TRUE(note.edge_keeping());
  EXPECT_EQ(Stored(u"HideToolsBar"), u"No");
  EXPECT_EQ(view.text_box, (TwipRect{30, 360, 3740, 2000 - 390}));
  EXPECT_TRUE(view.menu_created && view.procedure_installed && view.shown);
  EXPECT_EQ(view.timers, (std::set<NoteTimer>{NoteTimer::Save, NoteTimer::Poll}));
  EXPECT_EQ(toast.phase(), Toast::Phase::FadingOut);
  // The only key written on a first start is the strip's state.
  EXPECT_EQ(store.writes(), std::vector<std::u16string>{u"NorvellaB/HideToolsBar=No"});
}

TEST_F(NoteStart, StepsRunInTheirOrder) {
  note.Start();
  const char* order[] = {"SetBackColour", "SetOpacity", "SetBounds", "SetTextFont",
                         "SetSelectionColour", "SetTextBackColour", "SetTopmost",
                         "CreateEditMenu", "InstallCommandProcedure", "ShowNote"};
  for (size_t i = 1; i < std::size(order); ++i)
    EXPECT_LT(view.IndexOf(order[i - 1]), view.IndexOf(order[i])) << order[i - 1] << " / " << order[i];
  // The position is set at the design size; the stored size comes afterwards.
  EXPECT_EQ(view.log[static_cast<size_t>(view.IndexOf("SetBounds"))],
            "SetBounds " + std::to_string(kCentredLeft) + "," + std::to_string(kCentredTop) +
                ",3705,1500");
}

TEST_F(NoteStart, StoredLookIsApplied) {
  Store(u"Left", u"1500");
  Store(u"Top", u"900");
  Store(u"Width", u"4500");
  Store(u"Height", u"3000");
  Store(u"Alpha", u"153");
  Store(u"Text", u"第一行\r\n第二行");
  Store(u"FontName", u"微软雅黑");
  Store(u"FontSize", u"10.5");
  Store(u"FontBold", u"1");  // the hub's spelling; the note asks for "Fontbold"
  Store(u"FontItalic", u"1");
  Store(u"UnderLine", u"2");
  Store(u"FontColor", u"255");
  Store(u"BackColor", u"16777215");
  Store(u"Front", u"0");
  Store(u"FormMove", u"0");
  Store(u"FormSize", u"0");
  Store(u"AutoMove", u"No");
  Store(u"HideToolsBar", u"Yes");
  note.Start();

  EXPECT_EQ(view.bounds, (TwipRect{1500, 900, 4500, 3000}));
  EXPECT_EQ(view.opacity, 153);
  EXPECT_EQ(view.text, u"第一行\r\n第二行");
  EXPECT_EQ(view.font, (NoteFont{u"微软雅黑", 10.5, true, true, true}));
  EXPECT_EQ(view.selection_colour, Colour{255});
  EXPECT_EQ(view.text_back_colour, Colour{0xFFFFFF});
  EXPECT_FALSE(view.topmost);
  EXPECT_FALSE(MarkShown(0) || MarkShown(1) || MarkShown(2));
  EXPECT_FALSE(GripShown());
  EXPECT_FALSE(note.edge_keeping());
  EXPECT_EQ(view.text_box, (TwipRect{30, 30, 4440, 3000 - 60}));
  EXPECT_EQ(Stored(u"HideToolsBar"), u"Yes");
}

TEST_F(NoteStart, RememberOptionsOffIgnoreTheStoredValues) {
  Store(u"Left", u"1500");
  Store(u"Top", u"900");
  Store(u"Width", u"4500");
  Store(u"Height", u"3000");
  Store(u"Alpha", u"153");
  Store(u"Text", u"old text");
  Store(u"RememberLocation", u"No");
  Store(u"RememberSize", u"No");
  Store(u"RememberAlpha", u"yes");  // only the exact "Yes" is on
  Store(u"RememberText", u"YES");
  note.Start();

  EXPECT_EQ(view.bounds, (TwipRect{kCentredLeft, kCentredTop, 3705, 1500}));
  EXPECT_EQ(view.opacity, 221);
  EXPECT_EQ(view.text, u"");
  EXPECT_EQ(view.IndexOf("SetText "), -1);
}

TEST_F(NoteStart, StoredOpacityIsKeptVisible) {
  const struct {
    std::u16string_view stored;
    int opacity;
  } cases[] = {
      {u"17", 17},  {u"255", 255}, {u"0", 17},       {u"16", 17},     {u"256", 255},  {u"-40", 17},
      {u"1e9", 17}, {u"100000", 255}, {u"128.5", 128}, {u"abc", 221}, {u"", 221},
  };
  for (const auto& c : cases) {
    ResetStore();
    Store(u"Alpha", c.stored);
    StartedNote n(*this);
    EXPECT_EQ(n.view.opacity, c.opacity) << Utf16ToUtf8(c.stored);
    EXPECT_EQ(n.note.opacity(), c.opacity);
  }
}

TEST_F(NoteStart, APlaceOnNoMonitorOpensCentred) {
  screen.monitors = {{0, 0, 15360, 11520}, {15360, 0, 19200, 14400}};  // a second screen right
  const struct {
    int left, top;
    int expected_left, expected_top;
  } cases[] = {
      {20000, 3000, 20000, 3000},                // on the second screen
      {40000, 3000, kCentredLeft, kCentredTop},  // that screen was unplugged further right
      {-3000, 2000, -3000, 2000},                // partly off the left edge: kept
      {-3705, 2000, kCentredLeft, kCentredTop},  // just off the left edge
      {1000, 11500, 1000, 11500},                // a strip still visible at the bottom
      {1000, -20000, kCentredLeft, kCentredTop},
  };
  for (const auto& c : cases) {
    ResetStore();
    Store(u"Left", FormatInteger(c.left));
    Store(u"Top", FormatInteger(c.top));
    Store(u"RememberSize", u"No");
    StartedNote n(*this);
    EXPECT_EQ(n.view.bounds.Origin(), (TwipPoint{c.expected_left, c.expected_top}))
        << c.left << "," << c.top;
  }
}

TEST_F(NoteStart, TogglesReadAsOneZero) {
  const struct {
    std::u16string_view stored;
    bool on;
  } cases[] = {{u"1", true}, {u"1.0", true}, {u"0", false}, {u"2", false}, {u"", false}, {u"x", false}};
  for (const auto& c : cases) {
    ResetStore();
    Store(u"Front", c.stored);
    Store(u"FormMove", c.stored);
    Store(u"FormSize", c.stored);
    StartedNote n(*this);
    EXPECT_EQ(n.view.topmost, c.on) << Utf16ToUtf8(c.stored);
    EXPECT_EQ(n.note.toggles().may_move, c.on);
    EXPECT_EQ(n.note.toggles().may_size, c.on);
    EXPECT_EQ(n.note.strip().grip.visible, c.on);
  }
}

}  // namespace
}  // namespace norvella::practical_note::testing
