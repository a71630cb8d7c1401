#pragma once
// Doubles of the small desktop services: clipboard, key state, starting programs, save dialog.
#include <deque>
#include <set>
#include <string>
#include <vector>

#include "common/clipboard.h"
#include "common/key_state.h"
#include "common/process_starter.h"
#include "common/save_dialog.h"

namespace norvella::testing {

class FakeClipboard final : public Clipboard {
 public:
  std::u16string text;
  std::u16string Text() const override { return text; }
  bool SetText(std::u16string_view t) override {
    text = std::u16string(t);
    return true;
  }
};

class FakeKeyState final : public KeyState {
 public:
  std::set<int> down;  // keys held down (or pressed once since the last query)
  bool DownOrPressedSinceLastQuery(int virtual_key) override { return down.count(virtual_key) != 0; }
};

class FakeProcessStarter final : public ProcessStarter {
 public:
  std::set<std::u16string> existing;  // the programs that can be started
  std::vector<std::u16string> started;
  bool Start(std::u16string_view path) override {
    if (!existing.count(std::u16string(path))) return false;
    started.emplace_back(path);
    return true;
  }
};

class FakeSaveDialog final : public SaveDialog {
 public:
  std::deque<std::u16string> answers;  // what the user picks, one per dialog; empty: cancel
  std::vector<SaveDialogOptions> shown;
  std::u16string Show(const SaveDialogOptions& options) override {
    shown.push_back(options);
    if (answers.empty()) return {};
    std::u16string answer = answers.front();
    answers.pop_front();
    return answer;
  }
};

}  // namespace norvella::testing
