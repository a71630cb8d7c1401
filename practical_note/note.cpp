#include "practical_note/note.h"

#include <algorithm>
#include <utility>

#include "common/screen.h"
#include "common/settings_store.h"
#include "common/settings_values.h"
#include "practical_note/note_keys.h"
#include "practical_note/toast.h"

namespace norvella::practical_note {

PracticalNote::PracticalNote(NoteView& view, SettingsStore& store, const Screen& screen, Toast& toast)
    : view_(view),
      store_(store),
      screen_(screen),
      toast_(toast),
      controls_(DesignControls()),
      text_box_{kTextLeft, kTextTopStripShown, 3550, 1110} {}

std::u16string PracticalNote::Read(std::u16string_view key, std::u16string_view fallback) const {
  return store_.ReadSetting(kPracticalNoteSection, key, fallback);
}

void PracticalNote::Write(std::u16string_view key, std::u16string_view value) {
  store_.WriteSetting(kPracticalNoteSection, key, value);
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
  const TwipPoint centred = CentredOn(screen_.PrimarySize(), size);
  if (!OnOnlyIfYes(Read(key::kRememberLocation, fallback::kYes))) return centred;
  const TwipPoint stored{TwipsValue(Read(key::kLeft, FormatInteger(centred.x))),
                         TwipsValue(Read(key::kTop, FormatInteger(centred.y)))};
  // A place on a monitor that is no longer there would open the note where nobody sees it.
  if (!IsOnAnyMonitor({stored.x, stored.y, size.width, size.height}, screen_.Monitors()))
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
  if (IsOne(Read(key::kFront, fallback::kOne))) {
    view_.SetTopmost(true);
    toggles_.front = true;
    controls_[Index(Control::chk1)].visible = true;
  }
  if (IsOne(Read(key::kFormMove, fallback::kOne))) {
    toggles_.may_move = true;
    controls_[Index(Control::chk2)].visible = true;
  }
  if (IsOne(Read(key::kFormSize, fallback::kOne))) {
    controls_[Index(Control::Label1)].visible = true;
    controls_[Index(Control::chk3)].visible = true;
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
  LayOutStrip(controls_, text_box_, view_.Bounds().Size(), toggles_);
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

void PracticalNote::OnPointerMove(TwipPoint point) {
  const std::optional<Control> hit = HitTest(controls_, point);
  if (!hit) {
    RestoreHotPictures();
    return;
  }
  for (const ButtonPair& pair : kButtonPairs) {
    if (pair.normal != *hit) continue;
    controls_[Index(pair.normal)].visible = false;
    controls_[Index(pair.hot)].visible = true;
    view_.ControlsChanged();
    return;
  }
}

void PracticalNote::RestoreHotPictures() {
  const auto restore = [this](Control normal) {
    ControlState& hot = controls_[Index(HotTwin(normal))];
    if (!hot.visible) return;
    hot.visible = false;
    controls_[Index(normal)].visible = true;
  };
  if (view_.Bounds().width >= kFullStripWidth) {
    for (Control c : {Control::setting, Control::NVA, Control::save, Control::tack, Control::size,
                      Control::moveme, Control::AlphaPlus, Control::AlphaJian})
      restore(c);
  } else {
    restore(Control::WID);
  }
  restore(Control::closeme);
  restore(Control::ADD);
  view_.ControlsChanged();
}

void PracticalNote::OnButtonDown(TwipPoint point, MouseButton button) {
  pressed_ = HitTest(controls_, point);
  if (pressed_) return;
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
  const std::optional<Control> pressed = std::exchange(pressed_, std::nullopt);
  if (!pressed || button != MouseButton::Left) return;
  if (HitTest(controls_, point) == pressed) OnClick(*pressed);
}

void PracticalNote::OnClick(Control hot) {
  switch (hot) {
    case Control::closeme2:
      CloseNote();
      break;
    default:
      break;
  }
}

void PracticalNote::SetOpacity(int alpha) {
  opacity_ = alpha;
  view_.SetOpacity(alpha);
}

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
    case NoteTimer::Save:
      SaveText();
      break;
    case NoteTimer::Close:
      CloseTick();
      break;
    case NoteTimer::Poll:
    case NoteTimer::Alpha:
      break;
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
