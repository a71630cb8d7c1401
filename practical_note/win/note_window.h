#pragma once
// The note window `Form1`: paints the strip's pictures, hosts the rich-text box `Text1` and turns
// window messages into calls on the PracticalNote model.
#include <windows.h>
#include <richedit.h>

#include <optional>
#include <string>

#include "common/win/handles.h"
#include "common/win/image_button_layer.h"
#include "common/win/picture.h"
#include "common/win/window_base.h"
#include "practical_note/note.h"

namespace norvella::practical_note::win {

class NoteWindow final : public norvella::win::WindowBase, public NoteView {
 public:
  NoteWindow(NoteServices services, Toast& toast);

  bool Create();
  PracticalNote& model() { return model_; }

  // NoteView
  TwipRect Bounds() const override;
  void SetBounds(const TwipRect& bounds) override;
  void SetBackColour(Colour colour) override;
  void SetOpacity(int alpha) override;
  void SetTopmost(bool topmost) override;
  void ShowNote() override;
  void BringToFront() override;
  void StartWindowDrag() override;
  void ControlsChanged() override;
  std::u16string Text() const override;
  void SetText(std::u16string_view text) override;
  void AppendText(std::u16string_view text) override;
  std::u16string SelectedText() const override;
  void ReplaceSelection(std::u16string_view text) override;
  void SelectAll() override;
  void PlaceCaretAtEnd() override;
  void SetSelectionColour(Colour colour) override;
  void SetTextFont(const NoteFont& font) override;
  void SetTextBackColour(Colour colour) override;
  void PlaceTextBox(const TwipRect& box) override;
  void CreateEditMenu() override;
  void ShowEditMenu() override;
  void InstallCommandProcedure() override;
  void RestoreCommandProcedure() override;
  void StartTimer(NoteTimer timer) override;
  void StopTimer(NoteTimer timer) override;
  void EndProgram() override;

 private:
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
  static LRESULT CALLBACK CommandProcedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT OnTextEvent(const MSGFILTER& filter);
  void Paint(HDC dc) const override;
  int TextLength() const;

  PracticalNote model_;
  HWND text_ = nullptr;  // child window, destroyed with the note
  norvella::win::ImageButtonLayer buttons_;  // the strip's pairs, their tool tips
  std::optional<std::wstring> pending_text_;  // set before the note is first shown
  TwipRect requested_bounds_;  // what the model last set, to read it back without pixel rounding
  Colour back_colour_ = kNoteBackColour;
  std::optional<norvella::win::Picture> mark_picture_;
  norvella::win::UniqueMenu menu_bar_;  // owns the popup edit menu
  HMENU edit_menu_ = nullptr;
  WNDPROC previous_procedure_ = nullptr;
};

}  // namespace norvella::practical_note::win
