#pragma once
// Scrivlet's window `Form1` as a model: start-up and the settings file, layout, the half-second
// timer, the panels' rules, the dispatcher of the operations, undo and redo, clearing, saving and
// leaving. Driven by the window's events; drives a ToolView.
#include <cstdint>
#include <string>
#include <string_view>

#include "text_tool/operations.h"
#include "text_tool/settings_file.h"
#include "text_tool/tool_view.h"

namespace norvella {
class FileSystem;
class GuidSource;
class NarrowCodec;
class RandomSource;
class SaveDialog;
class Screen;
class Shell;
}  // namespace norvella

namespace norvella::text_tool {

struct Services {
  FileSystem& files;
  const NarrowCodec& codec;
  RandomSource& random;
  GuidSource& guids;
  Shell& shell;
  SaveDialog& save_dialog;
  const Screen& screen;
  std::u16string program_folder;  // without a trailing backslash
};

// The proportions and gaps recorded at start, used by every layout pass.
struct LayoutMemory {
  double width_ratios[3] = {0, 0, 0};  // `lastact`, `textlen`, `itip`
  int gap_tp = 0;                      // `TPchoose` from the window's right edge
  int gap_ad = 0;                      // `AD` from the window's right edge
};

// The colours `AD` steps through, every half second.
inline constexpr Colour kAdColours[] = {
    Colour::FromRgb(192, 0, 0),   Colour::FromRgb(128, 64, 0),  Colour::FromRgb(128, 128, 0),
    Colour::FromRgb(0, 128, 0),   Colour::FromRgb(0, 128, 128), Colour::FromRgb(0, 0, 255),
    Colour::FromRgb(255, 0, 255)};

class TextTool {
 public:
  TextTool(ToolView& view, Services services);

  // Start-up: the settings file, the panels' first state, the layout memory and the size; then
  // the window is centred and shown.
  void Start();
  // Layout pass; the window's size changed.
  void OnResize();
  void OnTimer();
  void OnCommand(Command command);
  // A click on a control (for check boxes after their mark changed).
  void OnClick(Ctl id);
  void OnDoubleClick(Ctl id);
  void OnComboSelected(Ctl id);
  // A character key typed into a control; false when the key is to be dropped.
  bool OnCharKey(Ctl id, char16_t code);
  // The user changed the text of a control (for `Text1`: any change).
  void OnTextChanged(Ctl id);
  // The window is asked to close: the settings are written and the window may close.
  void OnCloseRequest();

  // `savesettings`.
  void SaveSettings();

  bool havesave() const { return havesave_; }
  const std::u16string& undo_text() const { return undo_text_; }
  const std::u16string& redo_text() const { return redo_text_; }
  bool undo_enabled() const { return undo_enabled_; }
  bool redo_enabled() const { return redo_enabled_; }
  bool auto_max() const { return auto_max_; }
  const EditorFont& font() const { return font_; }
  OleColour fore_color() const { return fore_color_; }
  const LayoutMemory& layout() const { return layout_; }
  Colour ad_colour() const { return ad_colour_; }
  const TwipRect& Rect(Ctl id) const { return rects_[static_cast<size_t>(id)]; }
  const std::u16string& last_save_dir() const { return last_save_dir_; }
  Ctl visible_panel() const { return visible_panel_; }

 private:
  std::u16string SettingsPath() const;
  // Applies the nine lines in order; stops at the first value that cannot be applied.
  void ApplySettings(const SettingsLines& lines, double& width, double& height);
  void Place(Ctl id);
  void SetItip(std::u16string_view text);
  void SetLastact(std::u16string_view text);
  void MarkEdited();
  void SetUndoRedo(bool undo, bool redo);
  void Apply(const Outcome& outcome);

  void Run();
  void Undo();
  void Redo();
  void Clean();
  void Save();
  void Exit();
  void ChooseFont();
  void ToggleAutoMax();
  void Open(std::u16string_view path);
  std::u16string SaveFileDialog(std::u16string_view filter, std::u16string_view folder,
                                std::u16string_view title);

  void SelectKind(Ctl option);
  void SelectPosition(int index);   // `Combo5`
  void SelectRule(int index);       // `Combo6`
  void SelectSerialFormat(Ctl option);
  void ClearIfNotEmpty(Ctl id);

  ToolView& view_;
  Services services_;

  bool havesave_ = false;
  std::u16string undo_text_;
  std::u16string redo_text_;
  bool undo_enabled_ = false;
  bool redo_enabled_ = false;
  std::u16string last_save_dir_;
  bool auto_max_ = false;
  EditorFont font_;
  OleColour fore_color_ = kWindowTextColour;
  LayoutMemory layout_;
  Colour ad_colour_ = Colour::FromRgb(255, 0, 255);
  Ctl visible_panel_ = Ctl::Frame1;
  std::vector<TwipRect> rects_;
};

}  // namespace norvella::text_tool
