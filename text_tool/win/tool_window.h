#pragma once
// Scrivlet's window `Form1`: creates the controls of the design table, turns window messages into
// calls on the TextTool model and applies what the model asks of its window.
#include <windows.h>

#include <array>
#include <map>
#include <optional>
#include <string>

#include "common/win/handles.h"
#include "common/win/picture.h"
#include "common/win/window_base.h"
#include "text_tool/tool.h"

namespace norvella::text_tool::win {

struct AcceleratorTraits {
  using Handle = HACCEL;
  static Handle Empty() { return nullptr; }
  static void Close(Handle h) { ::DestroyAcceleratorTable(h); }
};
using UniqueAccelerators = norvella::win::Unique<AcceleratorTraits>;

class ToolWindow final : public norvella::win::WindowBase, public ToolView {
 public:
  explicit ToolWindow(Services services);

  bool Create();
  TextTool& model() { return model_; }
  // Menu shortcuts and keyboard navigation between the controls; true when the message was used.
  bool PreTranslate(MSG& msg);

  // ToolView
  TwipRect Bounds() const override;
  WindowState State() const override;
  void SetOuterSize(TwipSize size) override;
  void Maximise() override;
  void Show(TwipPoint origin) override;
  void PlaceControl(Ctl id, const TwipRect& rect) override;
  std::u16string ControlText(Ctl id) const override;
  void SetControlText(Ctl id, std::u16string_view text) override;
  void SetControlColour(Ctl id, Colour colour) override;
  void SetVisible(Ctl id, bool visible) override;
  void SetEnabled(Ctl id, bool enabled) override;
  bool Enabled(Ctl id) const override;
  void SetReadOnly(Ctl id, bool read_only) override;
  void SetMaxLength(Ctl id, int length) override;
  bool Checked(Ctl id) const override;
  void SetChecked(Ctl id, bool checked) override;
  int ComboIndex(Ctl id) const override;
  void SetComboIndex(Ctl id, int index) override;
  std::u16string EditorText() const override;
  std::size_t EditorLength() const override;
  void SetEditorText(std::u16string_view text) override;
  void PlaceCaretAtEnd() override;
  void SelectWholeEditor() override;
  void SetEditorFont(const EditorFont& font) override;
  void SetEditorColour(OleColour colour) override;
  Colour ResolveColour(OleColour colour) const override;
  void SetMenuEnabled(Command command, bool enabled) override;
  void SetMenuChecked(Command command, bool checked) override;
  std::optional<FontChoice> PickFont(const EditorFont& font, Colour colour) override;
  bool AskOkCancel(std::u16string_view title, std::u16string_view text) override;
  void ShowInformation(std::u16string_view title, std::u16string_view text) override;
  void StartTimer() override;
  void EndProgram() override;

 private:
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
  static LRESULT CALLBACK KeyFilter(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam,
                                    UINT_PTR id, DWORD_PTR self);
  bool CreateControls();
  void CreateMenus();
  HFONT FontFor(const FontSpec& font);
  HWND Handle(Ctl id) const { return handles_[static_cast<size_t>(id)]; }
  std::optional<Ctl> CtlOf(HWND hwnd) const;
  void OnCommandMessage(WPARAM wparam, LPARAM lparam);
  LRESULT OnControlColour(HDC dc, HWND control, UINT message);
  void FitLinkToText();
  void Paint(HDC dc) const override;

  TextTool model_;
  std::array<HWND, kControlCount> handles_{};
  std::array<std::optional<COLORREF>, kControlCount> colours_{};
  std::map<std::wstring, norvella::win::UniqueFont> fonts_;
  norvella::win::UniqueFont editor_font_;
  COLORREF editor_colour_ = 0;
  norvella::win::UniqueCursor hand_;
  norvella::win::UniqueIcon icon_;
  norvella::win::UniqueIcon small_icon_;
  norvella::win::UniqueBrush line_brush_;
  UniqueAccelerators accelerators_;
  HMENU menu_ = nullptr;  // attached to the window, destroyed with it
  std::optional<norvella::win::Picture> command_picture_;
  TwipRect shape_;
  TwipSize requested_size_;      // what the model last set, read back without pixel rounding
  bool start_maximised_ = false;  // maximised before the window is first shown
  bool shown_ = false;
  bool programmatic_ = false;    // the program's own writes raise no change events
};

}  // namespace norvella::text_tool::win
