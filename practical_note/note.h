#pragma once
// The practical note `Form1`: start sequence, text saving, the closing sequence `CloseNote`, the
// tool strip (opacity steps, toggles, moving, the size grip, layout), the polling timer, the edit
// menu and keys, saving to a file and starting further programs. Driven by the window's events and
// timer ticks; drives a NoteView.
#include <optional>
#include <string>
#include <string_view>

#include "common/geometry.h"
#include "common/image_button.h"
#include "practical_note/controls.h"
#include "practical_note/note_view.h"
#include "practical_note/strip_layout.h"

namespace norvella {
class Clipboard;
class FileSystem;
class KeyState;
class NarrowCodec;
class ProcessStarter;
class SaveDialog;
class Screen;
class SettingsStore;
}  // namespace norvella

namespace norvella::practical_note {

class Toast;

inline constexpr Colour kNoteBackColour = Colour::FromRgb(40, 45, 45);
inline constexpr int kDefaultOpacity = 221;
inline constexpr int kMinOpacity = 17;
inline constexpr int kMaxOpacity = 255;
inline constexpr int kOpacityStep = 17;
inline constexpr TwipSize kNoteDesignSize{3705, 1500};
inline constexpr TwipSize kNoteMinimumSize{1200, 800};
inline constexpr int kKeyF7 = 118;
inline constexpr int kKeyPadPlus = 107;
inline constexpr int kKeyPadMinus = 109;

// Edit menu command identifiers; 301, 304, 307 and 309 are its separators.
enum EditCommand : int {
  kCmdPaste = 300, kCmdCopy = 302, kCmdCut = 303, kCmdSelectAll = 305, kCmdDelete = 306,
  kCmdToolBar = 308, kCmdExit = 310,
};

// What the note needs of the system besides its window.
struct NoteServices {
  SettingsStore& store;
  const Screen& screen;
  Clipboard& clipboard;
  KeyState& keys;
  ProcessStarter& starter;
  SaveDialog& save_dialog;
  FileSystem& files;
  const NarrowCodec& codec;
  std::u16string program_folder;  // without a trailing backslash
  std::u16string program_path;    // this program's own file, started for a new note
};

struct KeyModifiers {
  bool ctrl = false;
  bool shift = false;
  bool alt = false;
  bool CtrlAlone() const { return ctrl && !shift && !alt; }
};

// The per cent `showinfo` gives for an opacity: 221 gives 87, 17 gives 7, 255 gives 100.
int OpacityPercent(int opacity);

class PracticalNote {
 public:
  PracticalNote(NoteView& view, NoteServices services, Toast& toast);

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
  // `showinfo`.
  void ShowInfo(std::u16string_view message);

  // The pointer over the window itself (not over the text box), in window twips.
  // `button_down`: some mouse button is held.
  void OnPointerMove(TwipPoint point, bool button_down);
  void OnButtonDown(TwipPoint point, MouseButton button);
  void OnButtonUp(TwipPoint point, MouseButton button);

  // Events of the text box `Text1`. Returns true when the key was the note's.
  bool OnTextKeyDown(int virtual_key, KeyModifiers modifiers);
  void OnTextKeyUp(int virtual_key);
  void OnTextDoubleClick() { ToggleToolBar(); }
  void OnTextRightButtonUp();
  // A command of the edit menu (300 to 310), as the note's command procedure receives it.
  void OnEditCommand(int id);

  const Strip& strip() const { return strip_; }
  const TwipRect& text_box() const { return text_box_; }
  const Toggles& toggles() const { return toggles_; }
  int opacity() const { return opacity_; }
  bool edge_keeping() const { return edge_keeping_; }
  bool closing() const { return closing_; }
  const std::u16string& last_save_folder() const { return last_save_folder_; }

 private:
  enum class Direction { Up = 1, Down = 2 };

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
  void PollTick();
  void AlphaTick();
  void StartOpacitySteps(Direction direction);
  void StopOpacitySteps();
  void RestoreHotPictures();
  void OnClick(Button button);
  // Flips a toggle: its key, its on-mark; returns the new state.
  bool Toggle(bool& state, std::u16string_view key, SinglePicture& mark);
  void ToggleFront();
  void ToggleMove();
  void ToggleSize();
  void SaveToFile();
  void NewNote();
  void StartProgram(std::u16string_view file_name);

  NoteView& view_;
  NoteServices services_;
  Toast& toast_;

  Strip strip_;
  TwipRect text_box_;
  Toggles toggles_;
  int opacity_ = kDefaultOpacity;
  Direction direction_ = Direction::Up;
  bool edge_keeping_ = false;
  bool closing_ = false;
  bool running_[4] = {false, false, false, false};
  // What received the last press, until its release: a button's hot picture, or the size grip.
  bool grip_pressed_ = false;
  bool picture_pressed_ = false;  // a normal picture or an on-mark: the press is theirs, no drag
  std::u16string last_save_folder_;
};

}  // namespace norvella::practical_note
