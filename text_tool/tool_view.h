#pragma once
// The window Scrivlet's model drives: `Form1` with its editor, panels, status line and menus. The
// model decides; an implementation only applies what it is told and answers queries.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "common/colour.h"
#include "common/geometry.h"
#include "text_tool/controls.h"

namespace norvella::text_tool {

enum class Command {
  Clean, SelectAll, Save, Exit,  // menu `file`
  Run, Undo, Redo,               // menu `Doo`: `DOIT`, `chexiao`, `redo`
  AutoMax, Font,                 // menu `setting`
  Help, Web, Kelmora, About,     // menu `help2`
};

enum class WindowState { Normal, Minimised, Maximised };

struct EditorFont {
  std::u16string face = u"宋体";
  double points = 10.5;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strikeout = false;
  int charset = 134;
  friend bool operator==(const EditorFont&, const EditorFont&) = default;
};

// A colour as the settings file keeps it: 0x00BBGGRR, or a system colour (0x80000000 and the
// colour's index, negative as a signed number).
using OleColour = std::int32_t;
inline constexpr OleColour kWindowTextColour = static_cast<OleColour>(0x80000008u);

struct FontChoice {
  EditorFont font;
  Colour colour;
};

class ToolView {
 public:
  virtual ~ToolView() = default;

  // The window's outer rectangle in screen twips and its state.
  virtual TwipRect Bounds() const = 0;
  virtual WindowState State() const = 0;
  // Sets the outer size; while the window is maximised, the size it takes when restored. A change
  // of size comes back as TextTool::OnResize.
  virtual void SetOuterSize(TwipSize size) = 0;
  virtual void Maximise() = 0;
  // Places the window with its top-left corner at `origin` and shows it.
  virtual void Show(TwipPoint origin) = 0;

  // Controls of the window and its panels. Places are in twips within the control's parent.
  virtual void PlaceControl(Ctl id, const TwipRect& rect) = 0;
  virtual std::u16string ControlText(Ctl id) const = 0;
  // Sets the text of a control; the program's own writes raise no change events.
  virtual void SetControlText(Ctl id, std::u16string_view text) = 0;
  virtual void SetControlColour(Ctl id, Colour colour) = 0;
  virtual void SetVisible(Ctl id, bool visible) = 0;
  virtual void SetEnabled(Ctl id, bool enabled) = 0;
  virtual bool Enabled(Ctl id) const = 0;
  virtual void SetReadOnly(Ctl id, bool read_only) = 0;
  virtual void SetMaxLength(Ctl id, int length) = 0;
  virtual bool Checked(Ctl id) const = 0;
  virtual void SetChecked(Ctl id, bool checked) = 0;
  virtual int ComboIndex(Ctl id) const = 0;
  // Selects an entry of a drop-down list without raising its selection event.
  virtual void SetComboIndex(Ctl id, int index) = 0;

  // The editor `Text1`. Its text counts UTF-16 units with CR LF line breaks.
  virtual std::u16string EditorText() const = 0;
  virtual std::size_t EditorLength() const = 0;
  virtual void SetEditorText(std::u16string_view text) = 0;
  virtual void PlaceCaretAtEnd() = 0;
  // Focus to the editor and its whole text selected.
  virtual void SelectWholeEditor() = 0;
  virtual void SetEditorFont(const EditorFont& font) = 0;
  virtual void SetEditorColour(OleColour colour) = 0;
  // The colour an OleColour stands for on this system.
  virtual Colour ResolveColour(OleColour colour) const = 0;

  virtual void SetMenuEnabled(Command command, bool enabled) = 0;
  virtual void SetMenuChecked(Command command, bool checked) = 0;

  // The system's font dialog for the editor's font and colour; nothing when cancelled.
  virtual std::optional<FontChoice> PickFont(const EditorFont& font, Colour colour) = 0;
  // A question with OK and Cancel; true for OK.
  virtual bool AskOkCancel(std::u16string_view title, std::u16string_view text) = 0;
  virtual void ShowInformation(std::u16string_view title, std::u16string_view text) = 0;

  virtual void StartTimer() = 0;  // `Timer1`, 500 ms
  // Ends the program at once, without the window's close handling.
  virtual void EndProgram() = 0;
};

}  // namespace norvella::text_tool
