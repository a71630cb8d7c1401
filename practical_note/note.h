#pragma once
// The practical note `Form1`: start sequence, text saving, the closing sequence `CloseNote` and the
// tool strip's state. Driven by the window's events and timer ticks; drives a NoteView.
#include <optional>
#include <string>
#include <string_view>

#include "common/geometry.h"
#include "practical_note/controls.h"
#include "practical_note/note_view.h"
#include "practical_note/strip_layout.h"

namespace norvella {
class Screen;
class SettingsStore;
}  // namespace norvella

namespace norvella::practical_note {

class Toast;

enum class MouseButton { Left, Right, Middle };

inline constexpr Colour kNoteBackColour = Colour::FromRgb(40, 45, 45);
inline constexpr int kDefaultOpacity = 221;
inline constexpr int kMinOpacity = 17;
inline constexpr int kMaxOpacity = 255;
inline constexpr int kOpacityStep = 17;
inline constexpr TwipSize kNoteDesignSize{3705, 1500};

class PracticalNote {
 public:
  PracticalNote(NoteView& view, SettingsStore& store, const Screen& screen, Toast& toast);

  // The start sequence, run when the toast is first shown.
  void Start();
  // The window's size changed (also while the start sequence sizes it).
  void OnResize();
  void OnTimer(NoteTimer timer);
  // `CloseNote`: writes the geometry and opacity, then rises and fades out and ends the program.
  void CloseNote();
  // Windows is ending the session: write what a close would write, now.
  void OnSessionEnding();
  // `ToggleToolBar`: covers or uncovers the strip with the text box.
  void ToggleToolBar();
  // Pointer over the window itself (not over the text box), in window twips.
  void OnPointerMove(TwipPoint point);
  void OnButtonDown(TwipPoint point, MouseButton button);
  void OnButtonUp(TwipPoint point, MouseButton button);

  // `showinfo`.
  void ShowInfo(std::u16string_view message);

  const ControlTable& controls() const { return controls_; }
  const TwipRect& text_box() const { return text_box_; }
  const Toggles& toggles() const { return toggles_; }
  int opacity() const { return opacity_; }
  bool edge_keeping() const { return edge_keeping_; }
  bool closing() const { return closing_; }

 private:
  std::u16string Read(std::u16string_view key, std::u16string_view fallback) const;
  void Write(std::u16string_view key, std::u16string_view value);
  bool RememberText() const;
  void SaveText();
  void WriteGeometryAndOpacity();
  void ColourWholeText();
  int StoredOpacity() const;
  TwipPoint StartPosition() const;
  void SetOpacity(int alpha);
  void Start(NoteTimer timer);
  void Stop(NoteTimer timer);
  bool Running(NoteTimer timer) const { return running_[static_cast<int>(timer)]; }
  void CloseTick();
  void RestoreHotPictures();
  void OnClick(Control hot);

  NoteView& view_;
  SettingsStore& store_;
  const Screen& screen_;
  Toast& toast_;

  ControlTable controls_;
  TwipRect text_box_;
  Toggles toggles_;
  int opacity_ = kDefaultOpacity;
  bool edge_keeping_ = false;
  bool closing_ = false;
  bool running_[4] = {false, false, false, false};
  std::optional<Control> pressed_;  // the picture that received the press, until the release
};

}  // namespace norvella::practical_note
