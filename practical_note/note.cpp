#include "practical_note/note.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "common/clipboard.h"
#include "common/key_state.h"
#include "common/process_starter.h"
#include "common/save_dialog.h"
#include "common/screen.h"
#include "common/settings_store.h"
#include "common/settings_values.h"
#include "common/user_text_file.h"
#include "practical_note/note_keys.h"
#include "practical_note/texts.h"
#include "practical_note/toast.h"

namespace norvella::practical_note {

int OpacityPercent(int opacity) {
  return static_cast<int>(std::lround(opacity * 100.0 / kMaxOpacity));
}

PracticalNote::PracticalNote(NoteView& view, NoteServices services, Toast& toast)
    : view_(view),
      services_(std::move(services)),
      toast_(toast),
      strip_(DesignStrip()),
      text_box_{kTextLeft, kTextTopStripShown, 3550, 1110} {}

std::u16string PracticalNote::Read(std::u16string_view key, std::u16string_view fallback) const {
  return services_.store.ReadSetting(kPracticalNoteSection, key, fallback);
}

void PracticalNote::Write(std::u16string_view key, std::u16string_view value) {
  services_.store.WriteSetting(kPracticalNoteSection, key, value);
}

bool PracticalNote::RememberText() const {
  return OnOnlyIfYes(Read(key::kRememberText, fallback::kYes));
}

int PracticalNote::StoredOpacity() const {
  if (!OnOnlyIfYes(Read(key::kRememberAlpha, fallback::kYes))) return kDefaultOpacity;
  // The note never writes an opacity outside 17..255; anything else would leave a window nobody
  // can see (0) or one the window manager refuses, so it is brought into range.
  const auto alpha = LeadingNumber(Read(key::kAlpha, fallback::kAlpha));
  if (!alpha) return kDefaultOpacity;
  return std::clamp(RoundHalfEven(*alpha), kMinOpacity, kMaxOpacity);
}

TwipPoint PracticalNote::StartPosition() const {
  // Centring uses the size the window has now, the design size; the stored size comes later.
  const TwipSize size = view_.Bounds().Size();
  const TwipPoint centred = CentredOn(services_.screen.PrimarySize(), size);
  if (!OnOnlyIfYes(Read(key::kRememberLocation, fallback::kYes))) return centred;
  const TwipPoint stored{TwipsValue(Read(key::kLeft, FormatInteger(centred.x))),
                         TwipsValue(Read(key::kTop, FormatInteger(centred.y)))};
  // A place on a monitor that is no longer there would open the note where nobody sees it.
  if (!IsOnAnyMonitor({stored.x, stored.y, size.width, size.height}, services_.screen.Monitors()))
    return centred;
  return stored;
}

void PracticalNote::Start() {
  // 1. Background.
  view_.SetBackColour(kNoteBackColour);
  // 2. Opacity.
  SetOpacity(StoredOpacity());
  // 3. Position.
  const TwipRect design = view_.Bounds();
  const TwipPoint at = StartPosition();
  view_.SetBounds({at.x, at.y, design.width, design.height});
  // 4. Text, caret at its end.
  if (RememberText()) {
    view_.SetText(Read(key::kText, u""));
    view_.PlaceCaretAtEnd();
  }
  // 5. to 7. Font, text colour, background of the text box.
  NoteFont font;
  font.face = Read(key::kFontName, fallback::kFontName);
  font.points = NumberValue(Read(key::kFontSize, fallback::kFontSize));
  font.italic = IsNotZero(Read(key::kFontItalic, fallback::kZero));
  font.bold = IsNotZero(Read(key::kFontBold, fallback::kZero));
  font.underline = IsNotZero(Read(key::kUnderLine, fallback::kZero));
  view_.SetTextFont(font);
  ColourWholeText();
  view_.SetTextBackColour(
      ColourValue(Read(key::kBackColor, fallback::kBackColor), Colour{12648447}));
  // 8. to 10. The three toggles and their on-marks.
  auto& [chk1, chk2, chk3] = strip_.marks;
  if (IsOne(Read(key::kFront, fallback::kOne))) {
    view_.SetTopmost(true);
    toggles_.front = true;
    chk1.visible = true;
  }
  if (IsOne(Read(key::kFormMove, fallback::kOne))) {
    toggles_.may_move = true;
    chk2.visible = true;
  }
  if (IsOne(Read(key::kFormSize, fallback::kOne))) {
    strip_.grip.visible = true;
    chk3.visible = true;
    toggles_.may_size = true;
  }
  // 11. Size.
  if (OnOnlyIfYes(Read(key::kRememberSize, fallback::kYes))) {
    const TwipRect now = view_.Bounds();
    view_.SetBounds({now.left, now.top, TwipsValue(Read(key::kWidth, fallback::kWidth)),
                     TwipsValue(Read(key::kHeight, fallback::kHeight))});
  }
  OnResize();
  // 12. Edge keeping.
  edge_keeping_ = OnOnlyIfYes(Read(key::kAutoMove, fallback::kYes));
  // 13. Tool strip: the toggle flips what it finds, so a stored "Yes" ends covered.
  if (!OnOnlyIfYes(Read(key::kHideToolsBar, fallback::kNo))) text_box_.top = kTextTopStripCovered;
  ToggleToolBar();
  // 14., 15. Edit menu and the command procedure.
  view_.CreateEditMenu();
  view_.InstallCommandProcedure();
  Start(NoteTimer::Save);
  Start(NoteTimer::Poll);
  // 16., 17.
  toast_.StartFadeOut();
  view_.ShowNote();
}

void PracticalNote::OnResize() {
  LayOutStrip(strip_, text_box_, view_.Bounds().Size(), toggles_);
  view_.PlaceTextBox(text_box_);
  view_.ControlsChanged();
}

void PracticalNote::ToggleToolBar() {
  const int height = view_.Bounds().height;
  if (text_box_.top != kTextTopStripCovered) {
    text_box_.top = kTextTopStripCovered;
    Write(key::kHideToolsBar, kYes);
  } else {
    text_box_.top = kTextTopStripShown;
    Write(key::kHideToolsBar, kNo);
  }
  text_box_.height = TextBoxHeight(text_box_.top, height);
  view_.PlaceTextBox(text_box_);
  ColourWholeText();
}

void PracticalNote::ColourWholeText() {
  view_.SelectAll();
  view_.SetSelectionColour(ColourValue(Read(key::kFontColor, fallback::kFontColor), Colour{0}));
  view_.PlaceCaretAtEnd();
}

void PracticalNote::ShowInfo(std::u16string_view message) {
  toast_.ShowInfo(message, view_.Bounds(), text_box_.top);
}

// --- pointer ---------------------------------------------------------------------------------

void PracticalNote::OnPointerMove(TwipPoint point, bool button_down) {
  if (grip_pressed_) {
    // The grip follows the pointer: the window grows by the pointer's distance from the grip's
    // top-left corner, each way, as long as the result stays above 500 twips.
    if (!button_down) return;
    const TwipRect r = view_.Bounds();
    const int x = point.x - strip_.grip.rect.left;
    const int y = point.y - strip_.grip.rect.top;
    TwipRect sized = r;
    if (r.width + x > 500) sized.width = r.width + x;
    if (r.height + y > 500) sized.height = r.height + y;
    if (sized != r) view_.SetBounds(sized);
    return;
  }
  if (strip_.buttons.pressed() || picture_pressed_) return;  // the pressed picture has the pointer
  if (strip_.buttons.HotAt(point)) return;
  if (strip_.buttons.OnPointerOverNormal(point)) {
    view_.ControlsChanged();
    return;
  }
  if (OnMark(strip_, point) || strip_.grip.Shows(point)) return;
  RestoreHotPictures();
}

void PracticalNote::RestoreHotPictures() {
  ImageButtonSet& b = strip_.buttons;
  if (view_.Bounds().width >= kFullStripWidth) {
    for (Button c : {Button::setting, Button::NVA, Button::save, Button::tack, Button::size,
                     Button::moveme, Button::AlphaPlus, Button::AlphaJian})
      b.Restore(Id(c));
  } else {
    b.Restore(Id(Button::WID));
  }
  b.Restore(Id(Button::closeme));
  b.Restore(Id(Button::ADD));
  view_.ControlsChanged();
}

void PracticalNote::OnButtonDown(TwipPoint point, MouseButton button) {
  if (strip_.grip.Shows(point)) {
    grip_pressed_ = true;
    return;
  }
  if (const auto pressed = strip_.buttons.Press(point)) {
    if (*pressed == Id(Button::AlphaPlus)) StartOpacitySteps(Direction::Up);
    if (*pressed == Id(Button::AlphaJian)) StartOpacitySteps(Direction::Down);
    view_.ControlsChanged();
    return;
  }
  if (strip_.buttons.NormalAt(point) || OnMark(strip_, point)) {
    picture_pressed_ = true;
    return;
  }
  // The window's own background: a left drag moves the window; with moving locked it returns to
  // where it was when the button is released.
  if (button != MouseButton::Left) return;
  const TwipRect before = view_.Bounds();
  view_.StartWindowDrag();
  if (!toggles_.may_move) {
    const TwipRect after = view_.Bounds();
    view_.SetBounds({before.left, before.top, after.width, after.height});
  }
}

void PracticalNote::OnButtonUp(TwipPoint point, MouseButton button) {
  grip_pressed_ = false;
  picture_pressed_ = false;
  const ImageButtonSet::Release release = strip_.buttons.ReleaseAt(point);
  if (!release.button) return;
  const auto released = static_cast<Button>(*release.button);
  if (released == Button::AlphaPlus || released == Button::AlphaJian) StopOpacitySteps();
  if (release.inside && button == MouseButton::Left) OnClick(released);
  view_.ControlsChanged();
}

void PracticalNote::OnClick(Button button) {
  switch (button) {
    case Button::ADD: NewNote(); break;
    case Button::save: SaveToFile(); break;
    case Button::NVA: StartProgram(u"\\NorvellaA.exe"); break;
    case Button::setting: StartProgram(u"\\NVGuide.exe"); break;
    case Button::tack: ToggleFront(); break;
    case Button::moveme: ToggleMove(); break;
    case Button::size: ToggleSize(); break;
    case Button::closeme: CloseNote(); break;
    case Button::WID: {
      const TwipRect r = view_.Bounds();
      strip_.buttons[Id(Button::WID)].hot_visible = false;
      view_.SetBounds({r.left, r.top, kFullStripWidth, r.height});
      view_.ControlsChanged();
      break;
    }
    case Button::AlphaPlus:
    case Button::AlphaJian:
      break;  // pressing and releasing them is the whole of their work
  }
}

// --- toggles ---------------------------------------------------------------------------------

bool PracticalNote::Toggle(bool& state, std::u16string_view key, SinglePicture& mark) {
  state = !state;
  Write(key, OneZero(state));
  mark.visible = state;
  view_.ControlsChanged();
  return state;
}

void PracticalNote::ToggleFront() {
  view_.SetTopmost(Toggle(toggles_.front, key::kFront, strip_.marks[0]));
}

void PracticalNote::ToggleMove() { Toggle(toggles_.may_move, key::kFormMove, strip_.marks[1]); }

void PracticalNote::ToggleSize() {
  strip_.grip.visible = Toggle(toggles_.may_size, key::kFormSize, strip_.marks[2]);
  view_.ControlsChanged();
}

// --- opacity steps ---------------------------------------------------------------------------

void PracticalNote::StartOpacitySteps(Direction direction) {
  direction_ = direction;
  // Keeping the key down repeats the press; the running timer must not be restarted by it, or
  // it would never tick.
  if (!Running(NoteTimer::Alpha)) Start(NoteTimer::Alpha);
}

void PracticalNote::StopOpacitySteps() {
  Stop(NoteTimer::Alpha);
  std::u16string message(text::kOpacityPrefix);
  message += FormatInteger(OpacityPercent(opacity_));
  message += u'%';
  ShowInfo(message);
}

void PracticalNote::AlphaTick() {
  int next = opacity_ + (direction_ == Direction::Up ? kOpacityStep : -kOpacityStep);
  if (next > kMaxOpacity || next < kMinOpacity) {
    next = std::clamp(next, kMinOpacity, kMaxOpacity);
    Stop(NoteTimer::Alpha);
  }
  SetOpacity(next);
}

void PracticalNote::SetOpacity(int alpha) {
  opacity_ = alpha;
  view_.SetOpacity(alpha);
}

// --- keys and the edit menu ------------------------------------------------------------------

bool PracticalNote::OnTextKeyDown(int virtual_key, KeyModifiers modifiers) {
  if (!modifiers.CtrlAlone()) {
    // Rich-text boxes give Ctrl+Shift+A (and Ctrl+Alt+A) meanings of their own, select all in
    // some versions and all capitals in others; on the note it does nothing.
    return modifiers.ctrl && virtual_key == 'A';
  }
  switch (virtual_key) {
    case 'A': view_.SelectAll(); return true;
    case 'Q': CloseNote(); return true;
    case kKeyPadPlus: StartOpacitySteps(Direction::Up); return true;
    case kKeyPadMinus: StartOpacitySteps(Direction::Down); return true;
    default: return false;
  }
}

void PracticalNote::OnTextKeyUp(int virtual_key) {
  if (virtual_key == kKeyPadPlus || virtual_key == kKeyPadMinus) StopOpacitySteps();
}

void PracticalNote::OnTextRightButtonUp() { view_.ShowEditMenu(); }

void PracticalNote::OnEditCommand(int id) {
  switch (id) {
    case kCmdPaste: view_.ReplaceSelection(services_.clipboard.Text()); break;
    case kCmdCopy: services_.clipboard.SetText(view_.SelectedText()); break;
    case kCmdCut:
      services_.clipboard.SetText(view_.SelectedText());
      view_.ReplaceSelection(u"");
      break;
    case kCmdSelectAll: view_.SelectAll(); break;
    case kCmdDelete: view_.ReplaceSelection(u""); break;
    case kCmdToolBar: ToggleToolBar(); break;
    case kCmdExit: CloseNote(); break;
    default: break;  // the separators
  }
}

// --- saving, new notes, other programs -------------------------------------------------------

void PracticalNote::SaveToFile() {
  SaveDialogOptions options;
  options.filters = ParseFilter(text::kSaveFilter);
  options.initial_folder =
      last_save_folder_.empty() ? services_.program_folder : last_save_folder_;
  options.title = std::u16string(text::kSaveTitle);
  const std::u16string path = CleanDialogPath(services_.save_dialog.Show(options));
  last_save_folder_ = FolderToRemember(path);
  if (path.empty()) return;
  if (!WriteUserTextFile(services_.files, services_.codec, path, view_.Text() + u"\r\n")) {
    // The earlier file, if any, is still whole; the user must not believe the text is saved.
    ShowInfo(text::kSaveFailed);
    return;
  }
  ShowInfo(text::kSaved);
}

void PracticalNote::NewNote() {
  const TwipRect r = view_.Bounds();
  Write(key::kLeft, FormatInteger(r.left + 300));
  Write(key::kTop, FormatInteger(r.top + 300));
  Write(key::kWidth, FormatInteger(r.width));
  Write(key::kHeight, FormatInteger(r.height));
  Write(key::kAlpha, FormatInteger(opacity_));
  if (!services_.starter.Start(services_.program_path)) ShowInfo(text::kNewNoteFailed);
}

void PracticalNote::StartProgram(std::u16string_view file_name) {
  if (!services_.starter.Start(services_.program_folder + std::u16string(file_name)))
    ShowInfo(text::kProgramFailed);
}

// --- timers and closing ----------------------------------------------------------------------

void PracticalNote::SaveText() {
  if (RememberText()) Write(key::kText, view_.Text());
}

void PracticalNote::WriteGeometryAndOpacity() {
  const TwipRect r = view_.Bounds();
  Write(key::kLeft, FormatInteger(r.left));
  Write(key::kTop, FormatInteger(r.top));
  Write(key::kWidth, FormatInteger(r.width));
  Write(key::kHeight, FormatInteger(r.height));
  Write(key::kAlpha, FormatInteger(opacity_));
}

void PracticalNote::CloseNote() {
  if (closing_) return;  // Ctrl+Q held down, or the menu and the button at once
  closing_ = true;
  WriteGeometryAndOpacity();
  view_.RestoreCommandProcedure();
  Start(NoteTimer::Close);
}

void PracticalNote::OnSessionEnding() {
  // The fade has written the geometry already; the text is always worth writing once more.
  if (!closing_) WriteGeometryAndOpacity();
  SaveText();
}

void PracticalNote::OnTimer(NoteTimer timer) {
  if (!Running(timer)) return;  // a tick already queued when the timer was stopped
  switch (timer) {
    case NoteTimer::Save: SaveText(); break;
    case NoteTimer::Poll: PollTick(); break;
    case NoteTimer::Close: CloseTick(); break;
    case NoteTimer::Alpha: AlphaTick(); break;
  }
}

void PracticalNote::PollTick() {
  // 1. Keep the window inside the left, top and right edges of the primary screen.
  if (edge_keeping_) {
    TwipRect r = view_.Bounds();
    const TwipRect before = r;
    if (r.left < 0) r.left = 0;
    if (r.top < 0) r.top = 0;
    const int screen_width = services_.screen.PrimarySize().width;
    if (r.left + r.width > screen_width) r.left = screen_width - r.width;
    if (r != before) view_.SetBounds(r);
  }
  // 2. F7, wherever the focus is: the clipboard's text goes to the end of the note.
  if (services_.keys.DownOrPressedSinceLastQuery(kKeyF7)) {
    view_.AppendText(services_.clipboard.Text());
    view_.BringToFront();
    view_.PlaceCaretAtEnd();
  }
  // 3. The smallest size.
  TwipRect r = view_.Bounds();
  if (r.width < kNoteMinimumSize.width || r.height < kNoteMinimumSize.height) {
    r.width = std::max(r.width, kNoteMinimumSize.width);
    r.height = std::max(r.height, kNoteMinimumSize.height);
    view_.SetBounds(r);
  }
}

void PracticalNote::CloseTick() {
  const TwipRect r = view_.Bounds();
  if (r.top != 0) view_.SetBounds({r.left, r.top - 50, r.width, r.height});
  if (opacity_ > 0) {
    SetOpacity(std::max(opacity_ - kOpacityStep, 0));
    return;
  }
  Stop(NoteTimer::Close);
  SetOpacity(0);
  SaveText();
  view_.EndProgram();
}

void PracticalNote::Start(NoteTimer timer) {
  running_[static_cast<int>(timer)] = true;
  view_.StartTimer(timer);
}

void PracticalNote::Stop(NoteTimer timer) {
  if (!Running(timer)) return;
  running_[static_cast<int>(timer)] = false;
  view_.StopTimer(timer);
}

}  // namespace norvella::practical_note
