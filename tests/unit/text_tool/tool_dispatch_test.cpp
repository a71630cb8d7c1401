// Selecting a kind, the dispatcher, change tracking, undo and redo, the panels' rules, the key
// filters, saving and leaving.
#include <gtest/gtest.h>

#include "common/web_addresses.h"
#include "tests/unit/text_tool/tool_fixture.h"
#include "text_tool/texts.h"

namespace norvella::text_tool::testing {
namespace {

class DispatchTest : public ToolFixture {
 protected:
  void SetUp() override { tool.Start(); }
};

TEST_F(DispatchTest, SelectingAKindShowsItsPanelAndCaption) {
  const std::pair<Ctl, Ctl> kinds[] = {{Ctl::Option2, Ctl::Frame2}, {Ctl::Option3, Ctl::Frame3},
                                       {Ctl::Option10, Ctl::Frame7}, {Ctl::Option4, Ctl::Frame4},
                                       {Ctl::Option5, Ctl::Frame5}, {Ctl::Option6, Ctl::Frame6},
                                       {Ctl::Option1, Ctl::Frame1}};
  for (const auto& [option, panel] : kinds) {
    Click(option);
    for (Ctl p : kPanels) EXPECT_EQ(view[p].visible, p == panel);
    EXPECT_TRUE(view[option].checked);
    EXPECT_EQ(view[Ctl::itip].text, Spec(option).caption);
  }
}

TEST_F(DispatchTest, RunningTheVisiblePanelsOperation) {
  view.editor = u"a1b22c";
  Choose(Ctl::Combo1, 2);
  EXPECT_EQ(view[Ctl::itip].text, text::kHintDeleteByType);
  Run();
  EXPECT_EQ(view.editor, u"abc");
  EXPECT_EQ(tool.undo_text(), u"a1b22c");
  EXPECT_EQ(view[Ctl::itip].text, text::kDone);
  EXPECT_EQ(view[Ctl::lastact].text, text::kLastDeleteByType);
  EXPECT_FALSE(tool.havesave());
  EXPECT_TRUE(view.menu_enabled[Command::Undo]);

  // The same kind run again shows the operation's own texts; another panel runs its own.
  Click(Ctl::Option2);
  Fill(Ctl::Text7, u"b");
  Fill(Ctl::Text8, u"B");
  Run();
  EXPECT_EQ(view.editor, u"aBc");
  EXPECT_EQ(view[Ctl::lastact].text, text::kLastConvertText);
}

TEST_F(DispatchTest, ARefusedOperationChangesNothingButTheMessage) {
  view.editor = u"a1";
  Choose(Ctl::Combo1, 2);
  Fill(Ctl::Text2, u"left over");  // read-only now, but still holding text
  Run();
  EXPECT_EQ(view[Ctl::itip].text, text::kMsgConflict);
  EXPECT_EQ(view.editor, u"a1");
  EXPECT_EQ(view[Ctl::lastact].text, u"欢迎使用Scrivlet");
  EXPECT_TRUE(tool.havesave());
  EXPECT_FALSE(view.menu_enabled[Command::Undo]);
}

TEST_F(DispatchTest, ADoubleClickRunsTwiceAndUndoGoesBackOneRun) {
  Click(Ctl::Option10);
  Fill(Ctl::Text19, u"abc");
  Fill(Ctl::Text20, u"-");
  tool.OnClick(Ctl::Command1);
  tool.OnDoubleClick(Ctl::Command1);
  EXPECT_EQ(view.editor, u"\r\na-b-c-\r\na-b-c-");
  tool.OnCommand(Command::Undo);
  EXPECT_EQ(view.editor, u"\r\na-b-c-");
}

TEST_F(DispatchTest, TypingTakesASnapshotBeforeEachCharacterKey) {
  Type(u"abc");
  tool.OnCommand(Command::Undo);
  EXPECT_EQ(view.editor, u"ab");
  EXPECT_TRUE(view.caret_at_end);
  EXPECT_EQ(view[Ctl::lastact].text, text::kLastUndo);
  EXPECT_FALSE(view.menu_enabled[Command::Undo]);
  EXPECT_TRUE(view.menu_enabled[Command::Redo]);
  // A change without a key (the context menu's delete) takes no snapshot.
  view.editor = u"a";
  tool.OnTextChanged(Ctl::Text1);
  EXPECT_EQ(tool.undo_text(), u"ab");
}

TEST_F(DispatchTest, UndoRedoUndoSwitchesBetweenTheSameTwoTexts) {
  Type(u"xy");
  tool.OnCommand(Command::Undo);
  EXPECT_EQ(view.editor, u"x");
  tool.OnCommand(Command::Redo);
  EXPECT_EQ(view.editor, u"xy");
  EXPECT_EQ(view[Ctl::lastact].text, text::kLastRedo);
  EXPECT_TRUE(view.menu_enabled[Command::Undo]);
  EXPECT_FALSE(view.menu_enabled[Command::Redo]);
  tool.OnCommand(Command::Undo);
  EXPECT_EQ(view.editor, u"x");
  EXPECT_FALSE(tool.havesave());
}

TEST_F(DispatchTest, ClearUndoRedo) {
  view.editor = u"text";
  tool.OnCommand(Command::Clean);
  EXPECT_EQ(view.editor, u"");
  EXPECT_EQ(view[Ctl::lastact].text, text::kLastClear);
  EXPECT_EQ(view[Ctl::itip].text, text::kMayUndo);
  tool.OnCommand(Command::Undo);
  EXPECT_EQ(view.editor, u"text");
  tool.OnCommand(Command::Undo);  // not available: nothing happens
  EXPECT_EQ(view.editor, u"text");
  tool.OnCommand(Command::Redo);
  EXPECT_EQ(view.editor, u"");
  tool.OnCommand(Command::Redo);  // not available either
  EXPECT_EQ(view[Ctl::lastact].text, text::kLastRedo);
}

TEST_F(DispatchTest, RandomArrangementUndoRemovesEveryLineAndTheCarriageReturn) {
  Click(Ctl::Option4);
  view.editor = u"start";
  Fill(Ctl::Text9, u"abcd");
  Fill(Ctl::Text12, u"4");
  Run();
  EXPECT_EQ(view.editor.size(), 5 + 4 * 6 + 1u);
  tool.OnCommand(Command::Undo);
  EXPECT_EQ(view.editor, u"start");
}

// ---------------------------------------------------------------------------------------------
// Panel rules

TEST_F(DispatchTest, DeleteAndConvertPanelsKeepTheirInputsApart) {
  Fill(Ctl::Text10, u"");
  Choose(Ctl::Combo2, 1);
  EXPECT_EQ(view[Ctl::Text10].text, u"1");
  EXPECT_EQ(view[Ctl::itip].text, text::kHintDeleteByPosition);
  Choose(Ctl::Combo2, 0);
  EXPECT_EQ(view[Ctl::itip].text, u"");
  Fill(Ctl::Text2, u"kept");
  Choose(Ctl::Combo1, 1);
  EXPECT_TRUE(view[Ctl::Text2].read_only);
  EXPECT_EQ(view[Ctl::Text2].text, u"kept");
  Choose(Ctl::Combo1, 0);
  EXPECT_FALSE(view[Ctl::Text2].read_only);

  Choose(Ctl::Combo4, 3);
  EXPECT_FALSE(view[Ctl::Text7].enabled);
  EXPECT_EQ(view[Ctl::itip].text, text::kHintConvertByType);
  Choose(Ctl::Combo4, 0);
  EXPECT_TRUE(view[Ctl::Text7].enabled);
  Click(Ctl::Check3);
  EXPECT_FALSE(view[Ctl::Text8].enabled);
  Click(Ctl::Check3);
  EXPECT_TRUE(view[Ctl::Text8].enabled);
  Click(Ctl::Check4);
  EXPECT_FALSE(view[Ctl::Text20].enabled);
}

TEST_F(DispatchTest, GeneratePanelPositionsAndRules) {
  Fill(Ctl::Text4, u"3");
  Fill(Ctl::Text13, u"5");
  Fill(Ctl::Text14, u"2");
  Choose(Ctl::Combo6, 1);
  Choose(Ctl::Combo5, 2);  // per line: the rule fields are locked and cleared
  EXPECT_EQ(view[Ctl::Text4].text, u"");
  EXPECT_EQ(view[Ctl::Combo6].combo, 0);
  EXPECT_FALSE(view[Ctl::Combo6].enabled);
  EXPECT_EQ(view[Ctl::Text13].text, u"");
  EXPECT_EQ(view[Ctl::Text14].text, u"");
  EXPECT_EQ(view[Ctl::Text15].text, u"1");
  EXPECT_TRUE(view[Ctl::Text13].read_only && view[Ctl::Text14].read_only && view[Ctl::Text15].read_only);
  EXPECT_FALSE(view[Ctl::Check1].checked);
  EXPECT_FALSE(view[Ctl::Check1].enabled);

  Choose(Ctl::Combo5, 0);
  EXPECT_TRUE(view[Ctl::Combo6].enabled);
  EXPECT_FALSE(view[Ctl::Text15].read_only);
  EXPECT_TRUE(view[Ctl::Check1].checked && view[Ctl::Check1].enabled);

  Click(Ctl::Check1);  // unticked by the user
  Choose(Ctl::Combo6, 3);
  EXPECT_TRUE(view[Ctl::Check1].checked);
  EXPECT_FALSE(view[Ctl::Check1].enabled);
  EXPECT_TRUE(view[Ctl::Text15].read_only);
  Choose(Ctl::Combo6, 2);  // subtracting right after growing
  EXPECT_FALSE(view[Ctl::Text15].read_only);
  EXPECT_TRUE(view[Ctl::Check1].enabled);
  EXPECT_EQ(view[Ctl::Text15].max_length, 2);
}

TEST_F(DispatchTest, SpecialPanelKeepsJoinAndSerialsApart) {
  Click(Ctl::Check2);
  EXPECT_TRUE(view[Ctl::Check2].checked);
  EXPECT_TRUE(view[Ctl::Option9].checked);
  Click(Ctl::Option7);
  EXPECT_TRUE(view[Ctl::Option7].checked);
  EXPECT_FALSE(view[Ctl::Option9].checked);
  EXPECT_FALSE(view[Ctl::Check2].checked);
  EXPECT_FALSE(view[Ctl::Check2].enabled);
  EXPECT_TRUE(view[Ctl::Text17].enabled);
  Click(Ctl::Option9);
  EXPECT_FALSE(view[Ctl::Text17].enabled);
  EXPECT_TRUE(view[Ctl::Check2].enabled);
}

TEST_F(DispatchTest, SerialsAreAppendedAndItipStays) {
  Click(Ctl::Option6);
  Click(Ctl::Option8);
  Fill(Ctl::Text17, u"2");
  view.editor = u"abc";
  Run();
  EXPECT_EQ(view.editor.size(), 3 + 2 * 31u);
  EXPECT_EQ(view[Ctl::itip].text, u"其它特殊操作");
  EXPECT_EQ(view[Ctl::lastact].text, text::kLastSerials);
}

TEST_F(DispatchTest, CompressionBoxesEmptyEachOther) {
  Fill(Ctl::Text11, u"0d");
  // A key into the digits box, even one it drops, empties the other box.
  EXPECT_FALSE(tool.OnCharKey(Ctl::Text16, u'x'));
  EXPECT_EQ(view[Ctl::Text11].text, u"");
  Fill(Ctl::Text16, u"123");
  EXPECT_TRUE(tool.OnCharKey(Ctl::Text16, u'4'));
  EXPECT_EQ(view[Ctl::Text16].text, u"123");  // an empty other box changes nothing
  Fill(Ctl::Text11, u"c");
  tool.OnTextChanged(Ctl::Text11);
  EXPECT_EQ(view[Ctl::Text16].text, u"");
}

struct KeyCase {
  Ctl box;
  char16_t key;
  bool passes;
};

class KeyFilterTest : public ToolFixture, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(KeyFilterTest, CountBoxesTakeDigitsAndBackspaceOnly) {
  tool.Start();
  EXPECT_EQ(tool.OnCharKey(GetParam().box, GetParam().key), GetParam().passes)
      << static_cast<int>(GetParam().key);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, KeyFilterTest,
    ::testing::Values(KeyCase{Ctl::Text10, u'7', true}, KeyCase{Ctl::Text10, 8, true},
                      KeyCase{Ctl::Text10, u'a', false}, KeyCase{Ctl::Text10, u' ', false},
                      KeyCase{Ctl::Text10, u'-', false}, KeyCase{Ctl::Text10, 22, false},  // Ctrl+V
                      KeyCase{Ctl::Text10, u'５', false}, KeyCase{Ctl::Text12, u'x', false},
                      KeyCase{Ctl::Text18, u'0', true}, KeyCase{Ctl::Text18, 13, false},
                      KeyCase{Ctl::Text4, u'a', false}, KeyCase{Ctl::Text6, u'9', true},
                      KeyCase{Ctl::Text14, u'.', false}, KeyCase{Ctl::Text15, u'a', false},
                      KeyCase{Ctl::Text17, 22, false}, KeyCase{Ctl::Text16, 13, false},
                      KeyCase{Ctl::Text13, u'a', true},  // rule 0: any key
                      KeyCase{Ctl::Text2, u'a', true}, KeyCase{Ctl::Text11, u'a', true}));

TEST_F(DispatchTest, FirstValueTakesDigitsOnlyForTheArithmeticRules) {
  Choose(Ctl::Combo6, 1);
  EXPECT_FALSE(tool.OnCharKey(Ctl::Text13, u'a'));
  Choose(Ctl::Combo6, 3);
  EXPECT_TRUE(tool.OnCharKey(Ctl::Text13, u'a'));
}

// ---------------------------------------------------------------------------------------------
// Saving and leaving

TEST_F(DispatchTest, SaveWritesTheTextWithALineBreakAndRemembersTheDrive) {
  view.editor = u"第一行\r\nsecond";
  save_dialog.answers = {u"D:\\notes\\a.txt"};
  const std::u16string lastact = view[Ctl::lastact].text;
  tool.OnCommand(Command::Save);
  EXPECT_EQ(save_dialog.shown.back().initial_folder, u"C:\\");
  EXPECT_EQ(save_dialog.shown.back().filters, (std::vector<FileFilter>{{u"文本文档(*.txt)", u"*.txt"}}));
  EXPECT_EQ(files.files[u"D:\\notes\\a.txt"], gbk.Encode(u"第一行\r\nsecond\r\n"));
  EXPECT_TRUE(tool.havesave());
  EXPECT_EQ(view[Ctl::itip].text, text::kSaved);
  EXPECT_EQ(view[Ctl::lastact].text, lastact);

  save_dialog.answers = {u"  D:\\other\\b.txt  "};
  tool.OnCommand(Command::Save);
  EXPECT_EQ(save_dialog.shown.back().initial_folder, u"D:\\");
  EXPECT_TRUE(files.files.count(u"D:\\other\\b.txt"));

  tool.OnCommand(Command::Save);  // cancelled: forgets the drive
  tool.OnCommand(Command::Save);
  EXPECT_EQ(save_dialog.shown.back().initial_folder, u"C:\\");
}

TEST_F(DispatchTest, TextTheCodePageCannotHoldIsSavedAsUtf8) {
  view.editor = u"表情 😀";
  save_dialog.answers = {u"C:\\e.txt"};
  tool.OnCommand(Command::Save);
  EXPECT_EQ(files.files[u"C:\\e.txt"], "\xEF\xBB\xBF\xE8\xA1\xA8\xE6\x83\x85 \xF0\x9F\x98\x80\r\n");
}

TEST_F(DispatchTest, AFailedSaveKeepsTheOldFileAndSaysSo) {
  files.files[u"C:\\a.txt"] = "old";
  files.failing.insert(u"C:\\a.txt");
  Type(u"new");
  save_dialog.answers = {u"C:\\a.txt"};
  tool.OnCommand(Command::Save);
  EXPECT_EQ(files.files[u"C:\\a.txt"], "old");
  EXPECT_FALSE(tool.havesave());
  EXPECT_EQ(view[Ctl::itip].text, text::kSaveFailed);
}

TEST_F(DispatchTest, ExitAsksOnlyAboutUnsavedTextAndWritesNoSettings) {
  Type(u"x");
  view.ok_answer = false;
  tool.OnCommand(Command::Exit);
  EXPECT_EQ(view.questions, 1);
  EXPECT_FALSE(view.ended);
  view.ok_answer = true;
  tool.OnCommand(Command::Exit);
  EXPECT_TRUE(view.ended);
  EXPECT_FALSE(files.files.count(std::u16string(kIniPath)));
}

TEST_F(DispatchTest, ExitWithSavedTextEndsAtOnce) {
  tool.OnCommand(Command::Exit);
  EXPECT_EQ(view.questions, 0);
  EXPECT_TRUE(view.ended);
}

TEST_F(DispatchTest, LinksAboutAndSelectAll) {
  tool.OnClick(Ctl::AD);
  tool.OnCommand(Command::Web);
  tool.OnClick(Ctl::Label1);
  tool.OnCommand(Command::Help);
  tool.OnCommand(Command::Kelmora);
  const std::u16string site(web::kMakerSite);
  EXPECT_EQ(shell.opened, (std::vector<std::u16string>{site + u"/team/", site + u"/team/",
                                                       site + u"/soft/scrivlet-help.htm",
                                                       site + u"/soft/scrivlet-help.htm", site + u"/"}));
  EXPECT_EQ(shell.last_folder, u"C:\\Tools");
  tool.OnCommand(Command::About);
  EXPECT_EQ(view.informations.back(), u"关于|　　 Scrivlet\r\r　 Version 1.6");
  tool.OnCommand(Command::SelectAll);
  EXPECT_TRUE(view.whole_editor_selected);
}

}  // namespace
}  // namespace norvella::text_tool::testing
