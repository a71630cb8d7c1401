// Start-up, the settings file, the layout and the half-second timer.
#include <gtest/gtest.h>

#include "tests/unit/text_tool/tool_fixture.h"
#include "text_tool/texts.h"

namespace norvella::text_tool::testing {
namespace {

using StartTest = ToolFixture;

const std::u16string kDesignIni =
    u"FontName = 宋体\r\nFontSize = 10.5\r\nFontBold = 0\r\nFontItalic = 0\r\nFontUnderline = 0\r\n"
    u"ForeColor = -2147483640\r\nAutoMaxSize = Close\r\nFormWidth = 12150\r\nFormHeight = 7500\r\n";

TEST_F(StartTest, WithoutASettingsFileTheDesignLookCentred) {
  tool.Start();
  EXPECT_EQ(view.font, EditorFont{});
  EXPECT_EQ(view.font.face, u"宋体");
  EXPECT_EQ(view.font.points, 10.5);
  EXPECT_EQ(view.editor_colour, kWindowTextColour);
  EXPECT_EQ(view.bounds.Size(), (TwipSize{12150, 7500}));
  EXPECT_EQ(view.shown_at, (TwipPoint{(15360 - 12150) / 2, (11520 - 7500) / 2}));
  EXPECT_EQ(view[Ctl::itip].text, u"");
  EXPECT_EQ(view[Ctl::lastact].text, u"欢迎使用Scrivlet");
  EXPECT_FALSE(view.menu_checked[Command::AutoMax]);
  EXPECT_FALSE(view.menu_enabled[Command::Undo]);
  EXPECT_FALSE(view.menu_enabled[Command::Redo]);
  EXPECT_TRUE(tool.havesave());
  EXPECT_TRUE(view.timer_running);
  // The lists' handlers ran for entry 0.
  for (Ctl list : {Ctl::Combo1, Ctl::Combo2, Ctl::Combo4, Ctl::Combo5, Ctl::Combo6})
    EXPECT_EQ(view[list].combo, 0);
  EXPECT_EQ(view[Ctl::Text10].text, u"1");
  EXPECT_EQ(view[Ctl::Text15].text, u"1");
  EXPECT_TRUE(view[Ctl::Check1].checked);
  EXPECT_TRUE(view[Ctl::Check1].enabled);
  EXPECT_TRUE(view[Ctl::Combo6].enabled);
  EXPECT_TRUE(view[Ctl::Frame1].visible);
  EXPECT_FALSE(view[Ctl::Frame2].visible);
  EXPECT_FALSE(view[Ctl::Text17].enabled);
  EXPECT_TRUE(files.files.empty());  // nothing written yet
}

struct IniCase {
  const char* name;
  std::u16string_view file;
  EditorFont font;
  OleColour colour;
  TwipSize size;
};

class IniTest : public ToolFixture, public ::testing::WithParamInterface<IniCase> {};

TEST_P(IniTest, LinesAreAppliedByPositionUntilABadValue) {
  WriteIni(GetParam().file);
  tool.Start();
  EXPECT_EQ(view.font.face, GetParam().font.face);
  EXPECT_EQ(view.font.points, GetParam().font.points);
  EXPECT_EQ(view.font.bold, GetParam().font.bold);
  EXPECT_EQ(view.font.italic, GetParam().font.italic);
  EXPECT_EQ(view.font.underline, GetParam().font.underline);
  EXPECT_EQ(view.editor_colour, GetParam().colour);
  EXPECT_EQ(view.bounds.Size(), GetParam().size);
  EXPECT_EQ(view.state, WindowState::Normal);
}

EditorFont Font(std::u16string_view face, double points, bool bold = false, bool italic = false,
                bool underline = false) {
  EditorFont f;
  f.face = std::u16string(face);
  f.points = points;
  f.bold = bold;
  f.italic = italic;
  f.underline = underline;
  return f;
}

constexpr OleColour kDefaultColour = kWindowTextColour;
constexpr TwipSize kDesign{12150, 7500};

INSTANTIATE_TEST_SUITE_P(
    Cases, IniTest,
    ::testing::Values(
        IniCase{"AllNine",
                u"FontName = 微软雅黑\r\nFontSize = 12\r\nFontBold = 1\r\nFontItalic = 1\r\n"
                u"FontUnderline = 1\r\nForeColor = 255\r\nAutoMaxSize = Close\r\nFormWidth = 13000\r\n"
                u"FormHeight = 8000",
                Font(u"微软雅黑", 12, true, true, true), 255, {13000, 8000}},
        IniCase{"FewerThanNineLines",
                u"FontName = 黑体\r\nFontSize = 12\r\nFontBold = 1\r\nFontItalic = 1\r\nFontUnderline = 1\r\n"
                u"ForeColor = 255\r\nAutoMaxSize = Close\r\nFormWidth = 13000\r\n",
                Font(u"宋体", 10.5), kDefaultColour, kDesign},
        IniCase{"LineWithoutEqualsLosesItsFirstCharacter",
                u"Arial\r\n9\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n", Font(u"rial", 10.5), kDefaultColour, kDesign},
        IniCase{"KeysAreIgnored",
                u"A = Tahoma\r\nB = 9\r\nC = 1\r\nD = 0\r\nE = 0\r\nF = 16711680\r\nG = Close\r\nH = 14000\r\n"
                u"I = 9000\r\n",
                Font(u"Tahoma", 9, true), 16711680, {14000, 9000}},
        IniCase{"BadSizeStopsTheRest",
                u"FontName = Tahoma\r\nFontSize = big\r\nFontBold = 1\r\nFontItalic = 0\r\nFontUnderline = 0\r\n"
                u"ForeColor = 255\r\nAutoMaxSize = Close\r\nFormWidth = 14000\r\nFormHeight = 9000\r\n",
                Font(u"Tahoma", 10.5), kDefaultColour, kDesign},
        IniCase{"BadColourStopsTheRest",
                u"FontName = Tahoma\r\nFontSize = 11\r\nFontBold = 1\r\nFontItalic = 0\r\nFontUnderline = 0\r\n"
                u"ForeColor = red\r\nAutoMaxSize = Close\r\nFormWidth = 14000\r\nFormHeight = 9000\r\n",
                Font(u"Tahoma", 11, true), kDefaultColour, kDesign},
        IniCase{"ColourOutsideTheColoursStops",
                u"FontName = Tahoma\r\nFontSize = 11\r\nFontBold = 0\r\nFontItalic = 0\r\nFontUnderline = 0\r\n"
                u"ForeColor = 99999999\r\nAutoMaxSize = Close\r\nFormWidth = 14000\r\nFormHeight = 9000\r\n",
                Font(u"Tahoma", 11), kDefaultColour, kDesign},
        IniCase{"ZeroSizeKeepsTheCurrentOne",
                u"FontName = 宋体\r\nFontSize = 10.5\r\nFontBold = 0\r\nFontItalic = 0\r\nFontUnderline = 0\r\n"
                u"ForeColor = 0\r\nAutoMaxSize = Close\r\nFormWidth = 0\r\nFormHeight = 0\r\n",
                Font(u"宋体", 10.5), 0, kDesign},
        IniCase{"NumbersAreLeadingParts",
                u"FontName = 宋体\r\nFontSize = 9.5pt\r\nFontBold = 2x\r\nFontItalic = x\r\nFontUnderline = 0\r\n"
                u"ForeColor = 128.4\r\nAutoMaxSize = Close\r\nFormWidth = 15000 twips\r\nFormHeight = 9000.4\r\n",
                Font(u"宋体", 9.5, true), 128, {15000, 9000}},
        IniCase{"HeightOutsideSixteenBitsIsNotApplied",
                u"FontName = 宋体\r\nFontSize = 10.5\r\nFontBold = 0\r\nFontItalic = 0\r\nFontUnderline = 0\r\n"
                u"ForeColor = 0\r\nAutoMaxSize = Close\r\nFormWidth = 13000\r\nFormHeight = 40000\r\n",
                Font(u"宋体", 10.5), 0, {13000, 7500}},
        IniCase{"EmptyLinesAreSkipped",
                u"\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\nFormHeight = 8000\r\n", Font(u"宋体", 10.5), kDefaultColour,
                {12150, 8000}}),
    [](const ::testing::TestParamInfo<IniCase>& row) { return std::string(row.param.name); });

TEST_F(StartTest, AutoMaxOpenMaximisesAndKeepsTheStoredSizeForRestoring) {
  WriteIni(u"FontName = 宋体\r\nFontSize = 10.5\r\nFontBold = 0\r\nFontItalic = 0\r\nFontUnderline = 0\r\n"
           u"ForeColor = 0\r\nAutoMaxSize = Open\r\nFormWidth = 11500\r\nFormHeight = 6360\r\n");
  tool.Start();
  EXPECT_EQ(view.state, WindowState::Maximised);
  EXPECT_TRUE(view.menu_checked[Command::AutoMax]);
  EXPECT_EQ(view.restored_size, (TwipSize{11500, 6360}));
  // Closing maximised writes the fixed values again.
  tool.OnCloseRequest();
  EXPECT_NE(Ini().find(u"AutoMaxSize = Open\r\nFormWidth = 11500\r\nFormHeight = 6360\r\n"), std::u16string::npos);
}

TEST_F(StartTest, ClosingWritesAllNineLinesThatTheNextStartReads) {
  tool.Start();
  tool.OnCloseRequest();
  EXPECT_EQ(Ini(), kDesignIni);
  // In the code page: "宋体" is two GBK characters.
  EXPECT_EQ(files.files[std::u16string(kIniPath)].substr(0, 15), "FontName = \xCB\xCE\xCC\xE5");

  view.font_choice = FontChoice{Font(u"微软雅黑", 12, true), Colour::FromRgb(0, 0, 128)};
  tool.OnCommand(Command::Font);
  view.bounds = {100, 100, 14000, 9000};
  tool.OnCloseRequest();
  EXPECT_EQ(Ini(),
            u"FontName = 微软雅黑\r\nFontSize = 12\r\nFontBold = 1\r\nFontItalic = 0\r\nFontUnderline = 0\r\n"
            u"ForeColor = 8388608\r\nAutoMaxSize = Close\r\nFormWidth = 14000\r\nFormHeight = 9000\r\n");

  FakeToolView next_view;
  TextTool next(next_view, Services{files, gbk, random, guids, shell, save_dialog, screen, u"C:\\Tools"});
  next_view.tool = &next;
  next.Start();
  EXPECT_EQ(next_view.font.face, u"微软雅黑");
  EXPECT_EQ(next_view.font.points, 12);
  EXPECT_TRUE(next_view.font.bold);
  EXPECT_EQ(next_view.editor_colour, 8388608);
  EXPECT_EQ(next_view.bounds.Size(), (TwipSize{14000, 9000}));
}

TEST_F(StartTest, AFailedSettingsWriteKeepsTheEarlierFile) {
  WriteIni(kDesignIni);
  files.failing.insert(std::u16string(kIniPath));
  tool.Start();
  view.bounds.width = 14000;
  tool.OnCloseRequest();
  EXPECT_EQ(Ini(), kDesignIni);
}

TEST_F(StartTest, FontDialogAndAutoMaxSaveTheSettingsAndSayWhatHappened) {
  tool.Start();
  view.font_choice.reset();  // cancelled
  tool.OnCommand(Command::Font);
  EXPECT_EQ(view[Ctl::lastact].text, text::kLastFont);
  EXPECT_EQ(view[Ctl::itip].text, text::kFontSaved);
  EXPECT_EQ(Ini(), kDesignIni);

  tool.OnCommand(Command::AutoMax);
  EXPECT_TRUE(view.menu_checked[Command::AutoMax]);
  EXPECT_EQ(view.state, WindowState::Normal);  // only at the next start
  EXPECT_NE(Ini().find(u"AutoMaxSize = Open"), std::u16string::npos);
  EXPECT_EQ(view[Ctl::lastact].text, text::kLastSetting);
  tool.OnCommand(Command::AutoMax);
  EXPECT_NE(Ini().find(u"AutoMaxSize = Close"), std::u16string::npos);
  EXPECT_EQ(view[Ctl::itip].text, text::kAutoMaxNext);
}

// ---------------------------------------------------------------------------------------------
// Layout

TEST_F(StartTest, LayoutMemoryAndTheDesignLayout) {
  tool.Start();
  EXPECT_DOUBLE_EQ(tool.layout().width_ratios[0], 3495.0 / 12150);
  EXPECT_DOUBLE_EQ(tool.layout().width_ratios[1], 2895.0 / 12150);
  EXPECT_DOUBLE_EQ(tool.layout().width_ratios[2], 3975.0 / 12150);
  EXPECT_EQ(tool.layout().gap_tp, 6780);
  EXPECT_EQ(tool.layout().gap_ad, 1470);
  EXPECT_EQ(view[Ctl::TPchoose].rect, (TwipRect{5370, 720, 2085, 4400}));
  EXPECT_EQ(view[Ctl::Text1].rect, (TwipRect{80, 0, 5180, 6350}));
  EXPECT_EQ(view[Ctl::Shape1].rect.height, 6350);
  EXPECT_EQ(view[Ctl::Frame5].rect, (TwipRect{7555, 720, 4335, 5500}));
  EXPECT_EQ(view[Ctl::Command1].rect, (TwipRect{5550, 5300, 1725, 870}));
  EXPECT_EQ(view[Ctl::lastact].rect, (TwipRect{0, 6370, 3495, 285}));
  EXPECT_EQ(view[Ctl::textlen].rect, (TwipRect{3495, 6370, 2895, 285}));
  EXPECT_EQ(view[Ctl::itip].rect, (TwipRect{6390, 6370, 3975, 285}));
  EXPECT_EQ(view[Ctl::AD].rect.left, 10680);
  EXPECT_EQ(view[Ctl::Label1].rect.left, 5370);
}

TEST_F(StartTest, ItipKeepsItsDesignWidthAtTheStoredStartWidth) {
  WriteIni(u"FontName = 宋体\r\nFontSize = 10.5\r\nFontBold = 0\r\nFontItalic = 0\r\nFontUnderline = 0\r\n"
           u"ForeColor = 0\r\nAutoMaxSize = Close\r\nFormWidth = 15000\r\nFormHeight = 9000\r\n");
  tool.Start();
  EXPECT_DOUBLE_EQ(tool.layout().width_ratios[2], 3975.0 / 15000);
  EXPECT_EQ(view[Ctl::itip].rect.width, 3975);
  EXPECT_EQ(view[Ctl::lastact].rect.width, 4315);  // 15000 * 3495 / 12150
  EXPECT_EQ(view[Ctl::TPchoose].rect.left, 15000 - 6780);
  EXPECT_EQ(view[Ctl::Frame1].rect, (TwipRect{15000 - 6780 + 2185, 720, 4335, 7000}));
  EXPECT_EQ(view[Ctl::lastact].rect.top, 9000 - 1130);
  EXPECT_EQ(view[Ctl::Command1].rect.top, 9000 - 2200);
}

TEST_F(StartTest, ANegativeSizeEndsTheLayoutPass) {
  tool.Start();
  const TwipRect lastact = view[Ctl::lastact].rect;
  view.bounds.width = 6000;  // Text1 would be 6000 - 6780 - 190 wide
  tool.OnResize();
  EXPECT_EQ(view[Ctl::TPchoose].rect.left, 6000 - 6780);
  EXPECT_EQ(view[Ctl::Command1].rect.left, 6000 - 6780 + 180);
  EXPECT_EQ(view[Ctl::Text1].rect.width, 5180);  // kept, and everything after it
  EXPECT_EQ(view[Ctl::lastact].rect.top, lastact.top);

  view.bounds = {0, 0, 12150, 2000};  // the editor fits, the selector does not
  tool.OnResize();
  EXPECT_EQ(view[Ctl::lastact].rect.top, 2000 - 1130);
  EXPECT_EQ(view[Ctl::Text1].rect.height, 850);
  EXPECT_EQ(view[Ctl::TPchoose].rect.height, 4400);
  EXPECT_EQ(view[Ctl::Frame1].rect.height, 5500);
}

TEST_F(StartTest, NothingIsLaidOutWhileMinimised) {
  tool.Start();
  view.state = WindowState::Minimised;
  view.bounds = {0, 0, 2400, 400};
  const int calls = view.place_calls;
  tool.OnResize();
  EXPECT_EQ(view.place_calls, calls);
}

// ---------------------------------------------------------------------------------------------
// The half-second timer

TEST_F(StartTest, TimerCyclesTheLinkColourKeepsTheMinimumSizeAndCounts) {
  tool.Start();
  tool.OnTimer();
  EXPECT_EQ(view[Ctl::AD].colour, Colour::FromRgb(192, 0, 0));
  for (int i = 1; i < 7; ++i) tool.OnTimer();
  EXPECT_EQ(view[Ctl::AD].colour, Colour::FromRgb(255, 0, 255));
  tool.OnTimer();
  EXPECT_EQ(view[Ctl::AD].colour, Colour::FromRgb(192, 0, 0));

  view.editor = u"ab\r\n中";
  view.bounds = {100, 100, 9000, 8000};
  tool.OnTimer();
  EXPECT_EQ(view.bounds, (TwipRect{100, 100, 12150, 8000}));
  EXPECT_EQ(view[Ctl::textlen].text, u"字符数量(包括回车)：5");

  view.state = WindowState::Maximised;
  view.bounds = {0, 0, 9000, 6000};
  tool.OnTimer();
  EXPECT_EQ(view.bounds.Size(), (TwipSize{9000, 6000}));
  view.state = WindowState::Minimised;
  tool.OnTimer();
  EXPECT_EQ(view.bounds.Size(), (TwipSize{9000, 6000}));
}

}  // namespace
}  // namespace norvella::text_tool::testing
