#pragma once
// Test doubles of the note window and the toast window: they keep the state a real window would
// have and log every call, so tests can check both the outcome and the order of the steps.
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "common/utf.h"
#include "practical_note/note.h"
#include "practical_note/toast.h"

namespace norvella::practical_note::testing {

class FakeNoteView final : public NoteView {
 public:
  PracticalNote* note = nullptr;  // told about size changes, as WM_SIZE tells the real one
  TwipRect bounds{0, 0, kNoteDesignSize.width, kNoteDesignSize.height};
  int opacity = -1;
  bool topmost = false;
  bool shown = false;
  bool ended = false;
  bool menu_created = false;
  bool procedure_installed = false;
  std::u16string text;
  std::u16string selected;  // what the user has selected in the text
  Colour back_colour{0xFFFFFFFF};
  Colour text_back_colour{0xFFFFFFFF};
  Colour selection_colour{0xFFFFFFFF};
  NoteFont font;
  TwipRect text_box;
  std::set<NoteTimer> timers;
  std::vector<std::string> log;
  // What the user does while the system's move loop runs.
  std::function<void(FakeNoteView&)> during_drag;

  TwipRect Bounds() const override { return bounds; }
  void SetBounds(const TwipRect& b) override {
    const bool resized = b.Size() != bounds.Size();
    bounds = b;
    log.push_back("SetBounds " + std::to_string(b.left) + "," + std::to_string(b.top) + "," +
                  std::to_string(b.width) + "," + std::to_string(b.height));
    if (resized && note) note->OnResize();
  }
  void SetBackColour(Colour c) override {
    back_colour = c;
    log.push_back("SetBackColour");
  }
  void SetOpacity(int alpha) override {
    opacity = alpha;
    log.push_back("SetOpacity " + std::to_string(alpha));
  }
  void SetTopmost(bool on) override {
    topmost = on;
    log.push_back(on ? "SetTopmost on" : "SetTopmost off");
  }
  void ShowNote() override {
    shown = true;
    log.push_back("ShowNote");
  }
  void BringToFront() override { log.push_back("BringToFront"); }
  void StartWindowDrag() override {
    log.push_back("StartWindowDrag");
    if (during_drag) during_drag(*this);
  }
  void ControlsChanged() override {}
  // Moves and sizes as a user would, telling the note as WM_SIZE does.
  void UserSetsBounds(const TwipRect& b) { SetBounds(b); }
  std::u16string Text() const override { return text; }
  void SetText(std::u16string_view t) override {
    text = std::u16string(t);
    log.push_back("SetText " + Utf16ToUtf8(t));
  }
  void AppendText(std::u16string_view t) override {
    text += t;
    log.push_back("AppendText " + Utf16ToUtf8(t));
  }
  std::u16string SelectedText() const override { return selected; }
  void ReplaceSelection(std::u16string_view t) override {
    log.push_back("ReplaceSelection " + Utf16ToUtf8(t));
    selected.clear();
  }
  void SelectAll() override { log.push_back("SelectAll"); }
  void PlaceCaretAtEnd() override { log.push_back("PlaceCaretAtEnd"); }
  void SetSelectionColour(Colour c) override {
    selection_colour = c;
    log.push_back("SetSelectionColour " + std::to_string(c.bgr));
  }
  void SetTextFont(const NoteFont& f) override {
    font = f;
    log.push_back("SetTextFont");
  }
  void SetTextBackColour(Colour c) override {
    text_back_colour = c;
    log.push_back("SetTextBackColour");
  }
  void PlaceTextBox(const TwipRect& box) override { text_box = box; }
  void ShowEditMenu() override { log.push_back("ShowEditMenu"); }
  void CreateEditMenu() override {
    menu_created = true;
    log.push_back("CreateEditMenu");
  }
  void InstallCommandProcedure() override {
    procedure_installed = true;
    log.push_back("InstallCommandProcedure");
  }
  void RestoreCommandProcedure() override {
    procedure_installed = false;
    log.push_back("RestoreCommandProcedure");
  }
  void StartTimer(NoteTimer t) override {
    timers.insert(t);
    log.push_back("StartTimer " + std::to_string(static_cast<int>(t)));
  }
  void StopTimer(NoteTimer t) override { timers.erase(t); }
  void EndProgram() override {
    ended = true;
    log.push_back("EndProgram");
  }

  // Position of the first log entry that starts with `prefix`, or -1.
  int IndexOf(const std::string& prefix) const {
    for (size_t i = 0; i < log.size(); ++i)
      if (log[i].rfind(prefix, 0) == 0) return static_cast<int>(i);
    return -1;
  }
};

class FakeToastView final : public ToastView {
 public:
  TwipRect bounds;
  int opacity = -1;
  bool visible = false;
  bool hidden_from_task_list = false;
  Colour back_colour{0xFFFFFFFF};
  std::u16string message;
  int message_left = 0;
  int message_width = 1200;  // twips the label takes for any text
  std::set<ToastTimer> timers;

  void HideFromTaskList() override { hidden_from_task_list = true; }
  void SetBackColour(Colour c) override { back_colour = c; }
  void SetBounds(const TwipRect& b) override { bounds = b; }
  void ApplyOpacity(int alpha) override { opacity = alpha; }
  void Show() override { visible = true; }
  void Hide() override { visible = false; }
  void SetMessage(std::u16string_view text) override { message = std::u16string(text); }
  int MessageWidth() const override { return message_width; }
  void PlaceMessage(int left) override { message_left = left; }
  void StartTimer(ToastTimer t) override { timers.insert(t); }
  void StopTimer(ToastTimer t) override { timers.erase(t); }
};

}  // namespace norvella::practical_note::testing
