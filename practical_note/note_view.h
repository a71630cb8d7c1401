#pragma once
// The window the practical note's model drives: `Form1` with its rich-text box `Text1`. The model
// decides; an implementation of this interface only applies what it is told and answers queries.
#include <string>
#include <string_view>

#include "common/colour.h"
#include "common/geometry.h"

namespace norvella::practical_note {

enum class NoteTimer { Save, Poll, Close, Alpha };  // Timer1 to Timer4

constexpr int IntervalMs(NoteTimer timer) {
  switch (timer) {
    case NoteTimer::Save: return 10000;
    case NoteTimer::Poll: return 150;
    case NoteTimer::Close: return 30;
    case NoteTimer::Alpha: return 60;
  }
  return 0;
}

struct NoteFont {
  std::u16string face;
  double points = 9;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  friend bool operator==(const NoteFont&, const NoteFont&) = default;
};

class NoteView {
 public:
  virtual ~NoteView() = default;

  // The window's outer rectangle in screen twips.
  virtual TwipRect Bounds() const = 0;
  // Moves and sizes the window; a change of size comes back as PracticalNote::OnResize.
  virtual void SetBounds(const TwipRect& bounds) = 0;
  virtual void SetBackColour(Colour colour) = 0;
  // Adds the layered style when missing and applies `alpha` as the window's constant alpha.
  virtual void SetOpacity(int alpha) = 0;
  // Topmost or not, without moving or sizing the window.
  virtual void SetTopmost(bool topmost) = 0;
  virtual void ShowNote() = 0;
  // Shows the window and brings it in front of the others.
  virtual void BringToFront() = 0;
  // The system's move loop, as a drag on a caption; returns when the button is released.
  virtual void StartWindowDrag() = 0;
  // Repaint the strip from the model's control table.
  virtual void ControlsChanged() = 0;

  // The plain text of `Text1`; a line break is CR LF.
  virtual std::u16string Text() const = 0;
  virtual void SetText(std::u16string_view text) = 0;
  virtual void AppendText(std::u16string_view text) = 0;
  // The selected text (CR LF line breaks), and replacing it: the new text takes no formatting
  // of its own.
  virtual std::u16string SelectedText() const = 0;
  virtual void ReplaceSelection(std::u16string_view text) = 0;
  virtual void SelectAll() = 0;
  virtual void PlaceCaretAtEnd() = 0;
  virtual void SetSelectionColour(Colour colour) = 0;
  virtual void SetTextFont(const NoteFont& font) = 0;
  virtual void SetTextBackColour(Colour colour) = 0;
  // Place and size of `Text1` in window twips.
  virtual void PlaceTextBox(const TwipRect& box) = 0;

  virtual void CreateEditMenu() = 0;
  // The edit menu at the pointer, left-aligned, tracking the left button.
  virtual void ShowEditMenu() = 0;
  // The note's own command procedure in front of the window's, and back.
  virtual void InstallCommandProcedure() = 0;
  virtual void RestoreCommandProcedure() = 0;

  virtual void StartTimer(NoteTimer timer) = 0;
  virtual void StopTimer(NoteTimer timer) = 0;
  virtual void EndProgram() = 0;
};

}  // namespace norvella::practical_note
