// What the note does beyond its window: edge keeping and F7 on the polling timer, the edit menu
// with the clipboard, saving to a file, further notes and the other programs.
#include <gtest/gtest.h>

#include "common/settings_values.h"
#include "tests/unit/practical_note/note_fixture.h"

namespace norvella::practical_note::testing {
namespace {

class Desk : public NoteFixture {
 protected:
  void SetUp() override {
    Store(u"Left", u"3000");
    Store(u"Top", u"1500");
    starter.existing = {kProgramPath, u"C:\\Program Files\\Norvella\\NVGuide.exe"};
    note.Start();
    while (toast_view.timers.count(ToastTimer::FadeOut)) toast.OnTimer(ToastTimer::FadeOut);
    store.ClearWrites();
    view.log.clear();
  }
  void MoveTo(int left, int top) { view.UserSetsBounds({left, top, 3800, 2000}); }
};

TEST_F(Desk, EdgeKeepingHoldsTheLeftTopAndRightEdgesOnly) {
  const struct {
    TwipPoint dropped;
    TwipPoint kept;
  } cases[] = {
      {{-1900, 3000}, {0, 3000}},               // half past the left edge
      {{5000, -700}, {5000, 0}},                // above the top
      {{14000, 3000}, {15360 - 3800, 3000}},    // past the right edge
      {{-500, -500}, {0, 0}},
      {{5000, 11000}, {5000, 11000}},           // past the bottom: left alone
      {{3000, 1500}, {3000, 1500}},
  };
  for (const auto& c : cases) {
    MoveTo(c.dropped.x, c.dropped.y);
    Tick(NoteTimer::Poll);
    EXPECT_EQ(view.bounds.Origin(), c.kept) << c.dropped.x << "," << c.dropped.y;
  }
}

TEST_F(Desk, WithAutoMoveOffTheNoteGoesAnywhere) {
  ResetStore();
  Store(u"AutoMove", u"No");
  StartedNote n(*this);
  n.view.UserSetsBounds({-1900, -700, 3800, 2000});
  n.note.OnTimer(NoteTimer::Poll);
  EXPECT_EQ(n.view.bounds.Origin(), (TwipPoint{-1900, -700}));
}

TEST_F(Desk, ClosingNearTheTopStopsAtTheEdgeWhileItFades) {
  MoveTo(3000, 60);
  note.CloseNote();
  for (int i = 0; i < 4; ++i) {
    Tick(NoteTimer::Close);
    Tick(NoteTimer::Poll);
  }
  EXPECT_EQ(view.bounds.top, 0);
}

TEST_F(Desk, F7AppendsTheClipboardAndBringsTheNoteToTheFront) {
  view.text = u"购物清单\r\n";
  clipboard.text = u"牛奶";
  keys.down = {kKeyF7};
  Tick(NoteTimer::Poll);
  EXPECT_EQ(view.text, u"购物清单\r\n牛奶");
  EXPECT_LT(view.IndexOf("AppendText"), view.IndexOf("BringToFront"));
  EXPECT_LT(view.IndexOf("BringToFront"), view.IndexOf("PlaceCaretAtEnd"));
  // Held down, each tick appends once more.
  Tick(NoteTimer::Poll);
  EXPECT_EQ(view.text, u"购物清单\r\n牛奶牛奶");

  // An empty clipboard: the text stays, the note still comes to the front.
  clipboard.text.clear();
  view.log.clear();
  Tick(NoteTimer::Poll);
  EXPECT_EQ(view.text, u"购物清单\r\n牛奶牛奶");
  EXPECT_NE(view.IndexOf("BringToFront"), -1);

  keys.down.clear();
  view.log.clear();
  Tick(NoteTimer::Poll);
  EXPECT_EQ(view.IndexOf("BringToFront"), -1);
}

TEST_F(Desk, EditMenuCommands) {
  clipboard.text = u"粘贴的字";
  view.selected = u"选中";
  note.OnEditCommand(kCmdPaste);
  EXPECT_EQ(view.log.back(), "ReplaceSelection 粘贴的字");

  view.selected = u"复制\r\n这些";
  note.OnEditCommand(kCmdCopy);
  EXPECT_EQ(clipboard.text, u"复制\r\n这些");
  // Copy with nothing selected: the clipboard holds an empty text.
  view.selected.clear();
  note.OnEditCommand(kCmdCopy);
  EXPECT_EQ(clipboard.text, u"");

  view.selected = u"剪掉";
  note.OnEditCommand(kCmdCut);
  EXPECT_EQ(clipboard.text, u"剪掉");
  EXPECT_EQ(view.log.back(), "ReplaceSelection ");

  view.log.clear();
  note.OnEditCommand(kCmdSelectAll);
  EXPECT_EQ(view.log, std::vector<std::string>{"SelectAll"});
  note.OnEditCommand(kCmdDelete);
  EXPECT_EQ(view.log.back(), "ReplaceSelection ");

  view.log.clear();
  for (int separator : {301, 304, 307, 309}) note.OnEditCommand(separator);
  EXPECT_TRUE(view.log.empty());

  note.OnEditCommand(kCmdExit);
  EXPECT_TRUE(note.closing());
}

TEST_F(Desk, RightButtonUpInTheTextOpensTheMenu) {
  note.OnTextRightButtonUp();
  EXPECT_EQ(view.log.back(), "ShowEditMenu");
}

TEST_F(Desk, SaveDialogStartsInTheProgramFolderThenInTheLastDrive) {
  view.text = u"第一行\r\n第二行";
  save_dialog.answers = {u"D:\\notes\\today.txt"};
  ClickButton(Button::save);
  ASSERT_EQ(save_dialog.shown.size(), 1u);
  const SaveDialogOptions& first = save_dialog.shown[0];
  EXPECT_EQ(first.initial_folder, kProgramFolder);
  EXPECT_EQ(first.title, u"保存文件");
  EXPECT_EQ(first.filters, (std::vector<FileFilter>{{u"文本文档 (*.txt)", u"*.txt"}}));
  // The text and one CR LF, in GBK.
  EXPECT_EQ(files.files[u"D:\\notes\\today.txt"],
            "\xB5\xDA\xD2\xBB\xD0\xD0\r\n\xB5\xDA\xB6\xFE\xD0\xD0\r\n");
  EXPECT_EQ(toast_view.message, u"保存完成");
  EXPECT_EQ(note.last_save_folder(), u"D:\\");

  // The next dialog opens at the root of that drive; cancelling it forgets the folder.
  ClickButton(Button::save);
  EXPECT_EQ(save_dialog.shown[1].initial_folder, u"D:\\");
  EXPECT_EQ(note.last_save_folder(), u"");
  save_dialog.answers = {u"  E:\\a\\b.txt  "};
  ClickButton(Button::save);
  EXPECT_EQ(save_dialog.shown[2].initial_folder, kProgramFolder);
  EXPECT_TRUE(files.files.count(u"E:\\a\\b.txt"));
}

TEST_F(Desk, SavingATextGbkCannotHoldKeepsEveryCharacter) {
  view.text = u"周末 🎉 聚会";
  save_dialog.answers = {u"D:\\party"};  // no extension is added
  ClickButton(Button::save);
  EXPECT_EQ(files.files[u"D:\\party"], "\xEF\xBB\xBF" + Utf16ToUtf8(u"周末 🎉 聚会\r\n"));
}

TEST_F(Desk, AFailedSaveSaysSoAndLeavesTheEarlierFile) {
  files.files[u"D:\\keep.txt"] = "earlier";
  files.failing.insert(u"D:\\keep.txt");
  view.text = u"新的";
  save_dialog.answers = {u"D:\\keep.txt"};
  ClickButton(Button::save);
  EXPECT_EQ(files.files[u"D:\\keep.txt"], "earlier");
  EXPECT_EQ(toast_view.message, u"保存失败，文件没有写入");
}

TEST_F(Desk, NewNoteWritesItsPlaceThenStartsTheProgram) {
  ClickButton(Button::ADD);
  EXPECT_EQ(store.writes(),
            (std::vector<std::u16string>{u"NorvellaB/Left=3300", u"NorvellaB/Top=1800",
                                         u"NorvellaB/Width=3800", u"NorvellaB/Height=2000",
                                         u"NorvellaB/Alpha=221"}));
  EXPECT_EQ(starter.started, std::vector<std::u16string>{kProgramPath});

  starter.existing.clear();
  ClickButton(Button::ADD);
  EXPECT_EQ(toast_view.message, u"打开组件失败");
}

TEST_F(Desk, OtherProgramsStartFromTheProgramFolder) {
  ClickButton(Button::setting);
  EXPECT_EQ(starter.started.back(), u"C:\\Program Files\\Norvella\\NVGuide.exe");
  ClickButton(Button::NVA);  // NorvellaA.exe is not installed
  EXPECT_EQ(toast_view.message, u"打开组件失败。");
}

}  // namespace
}  // namespace norvella::practical_note::testing
