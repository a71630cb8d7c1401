#pragma once
#include <gtest/gtest.h>

#include "common/random_source.h"
#include "common/user_text_file.h"
#include "tests/support/desktop_fakes.h"
#include "tests/support/fake_guid_source.h"
#include "tests/support/fake_screen.h"
#include "tests/support/fake_shell.h"
#include "tests/support/gbk_codec.h"
#include "tests/support/memory_file_system.h"
#include "tests/unit/text_tool/fake_view.h"
#include "text_tool/tool.h"

namespace norvella::text_tool::testing {

inline constexpr std::u16string_view kIniPath = u"C:\\Tools\\Scrivlet.ini";

// Scrivlet in a fake window on a 1024 by 768 screen at 96 dpi, its folder C:\Tools.
class ToolFixture : public ::testing::Test {
 protected:
  ToolFixture() { view.tool = &tool; }

  void WriteIni(std::u16string_view text) { files.files[std::u16string(kIniPath)] = gbk.Encode(text); }
  std::u16string Ini() { return DecodeUserText(files.files[std::u16string(kIniPath)], gbk); }

  // What the user does.
  void Type(std::u16string_view keys) {
    for (char16_t key : keys) {
      if (!tool.OnCharKey(Ctl::Text1, key)) continue;
      if (key == 8) {
        if (!view.editor.empty()) view.editor.pop_back();
      } else {
        view.editor.push_back(key);
      }
      tool.OnTextChanged(Ctl::Text1);
    }
  }
  // A click; a check box changes its mark first, as the real one does.
  void Click(Ctl id) {
    if (Spec(id).kind == Kind::Check) view[id].checked = !view[id].checked;
    tool.OnClick(id);
  }
  void Choose(Ctl list, int index) {
    view[list].combo = index;
    tool.OnComboSelected(list);
  }
  void Fill(Ctl id, std::u16string_view text) { view[id].text = std::u16string(text); }
  void Run() { tool.OnCommand(Command::Run); }

  norvella::testing::MemoryFileSystem files;
  norvella::testing::GbkCodec gbk;
  SeededRandom random{1};
  norvella::testing::FakeGuidSource guids;
  norvella::testing::FakeShell shell;
  norvella::testing::FakeScreen screen;
  norvella::testing::FakeSaveDialog save_dialog;
  FakeToolView view;
  TextTool tool{view, Services{files, gbk, random, guids, shell, save_dialog, screen, u"C:\\Tools"}};
};

}  // namespace norvella::text_tool::testing
