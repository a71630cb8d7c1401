#pragma once
// A test double of Scrivlet's window: it keeps the state real controls would have, answers the
// model's dialogs as a test scripts them, and tells the model about size changes as WM_SIZE does.
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "text_tool/tool.h"
#include "text_tool/tool_view.h"

namespace norvella::text_tool::testing {

struct FakeControl {
  std::u16string text;
  TwipRect rect;
  Colour colour;
  bool visible = true;
  bool enabled = true;
  bool read_only = false;
  bool checked = false;
  int combo = -1;
  int max_length = 0;
};

class FakeToolView final : public ToolView {
 public:
  FakeToolView() {
    for (const ControlSpec& spec : DesignControls()) {
      FakeControl& c = controls[spec.id];
      c.text = std::u16string(spec.caption);
      c.rect = spec.rect;
      c.visible = spec.visible;
      c.enabled = spec.enabled;
      c.checked = spec.checked;
      c.max_length = spec.max_length;
      if (spec.colour) c.colour = *spec.colour;
    }
  }

  TextTool* tool = nullptr;  // told about size changes
  TwipRect bounds{0, 0, 12150, 7500};  // hidden at the design size
  WindowState state = WindowState::Normal;
  std::optional<TwipSize> restored_size;  // set while maximised
  std::optional<TwipPoint> shown_at;
  std::map<Ctl, FakeControl> controls;
  std::u16string editor;
  EditorFont font;
  OleColour editor_colour = 0;
  std::map<Command, bool> menu_enabled{{Command::Undo, false}, {Command::Redo, false}};
  std::map<Command, bool> menu_checked;
  bool timer_running = false;
  bool ended = false;
  bool caret_at_end = false;
  bool whole_editor_selected = false;
  int place_calls = 0;

  // Scripted answers of the dialogs, and what they were asked.
  std::optional<FontChoice> font_choice;
  bool ok_answer = true;
  int questions = 0;
  std::vector<std::u16string> informations;

  FakeControl& operator[](Ctl id) { return controls[id]; }

  TwipRect Bounds() const override { return bounds; }
  WindowState State() const override { return state; }
  void SetOuterSize(TwipSize size) override {
    if (state == WindowState::Maximised) {
      restored_size = size;
      return;
    }
    const bool changed = size != bounds.Size();
    bounds.width = size.width;
    bounds.height = size.height;
    if (changed && tool) tool->OnResize();
  }
  void Maximise() override {
    state = WindowState::Maximised;
    bounds = {-60, -60, 15480, 11040};
  }
  void Show(TwipPoint origin) override {
    shown_at = origin;
    if (state != WindowState::Maximised) {
      bounds.left = origin.x;
      bounds.top = origin.y;
    }
  }
  void PlaceControl(Ctl id, const TwipRect& rect) override {
    controls[id].rect = rect;
    ++place_calls;
  }
  std::u16string ControlText(Ctl id) const override { return controls.at(id).text; }
  void SetControlText(Ctl id, std::u16string_view text) override { controls[id].text = std::u16string(text); }
  void SetControlColour(Ctl id, Colour colour) override { controls[id].colour = colour; }
  void SetVisible(Ctl id, bool visible) override { controls[id].visible = visible; }
  void SetEnabled(Ctl id, bool enabled) override { controls[id].enabled = enabled; }
  bool Enabled(Ctl id) const override { return controls.at(id).enabled; }
  void SetReadOnly(Ctl id, bool read_only) override { controls[id].read_only = read_only; }
  void SetMaxLength(Ctl id, int length) override { controls[id].max_length = length; }
  bool Checked(Ctl id) const override { return controls.at(id).checked; }
  void SetChecked(Ctl id, bool checked) override { controls[id].checked = checked; }
  int ComboIndex(Ctl id) const override { return controls.at(id).combo; }
  void SetComboIndex(Ctl id, int index) override { controls[id].combo = index; }

  std::u16string EditorText() const override { return editor; }
  std::size_t EditorLength() const override { return editor.size(); }
  void SetEditorText(std::u16string_view text) override {
    editor = std::u16string(text);
    caret_at_end = false;
  }
  void PlaceCaretAtEnd() override { caret_at_end = true; }
  void SelectWholeEditor() override { whole_editor_selected = true; }
  void SetEditorFont(const EditorFont& f) override { font = f; }
  void SetEditorColour(OleColour colour) override { editor_colour = colour; }
  Colour ResolveColour(OleColour colour) const override {
    return colour < 0 ? Colour{0} : Colour{static_cast<std::uint32_t>(colour)};
  }
  void SetMenuEnabled(Command command, bool enabled) override { menu_enabled[command] = enabled; }
  void SetMenuChecked(Command command, bool checked) override { menu_checked[command] = checked; }

  std::optional<FontChoice> PickFont(const EditorFont&, Colour) override { return font_choice; }
  bool AskOkCancel(std::u16string_view, std::u16string_view) override {
    ++questions;
    return ok_answer;
  }
  void ShowInformation(std::u16string_view title, std::u16string_view text) override {
    informations.push_back(std::u16string(title) + u"|" + std::u16string(text));
  }
  void StartTimer() override { timer_running = true; }
  void EndProgram() override { ended = true; }
};

}  // namespace norvella::text_tool::testing
