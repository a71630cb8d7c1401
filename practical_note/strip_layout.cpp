#include "practical_note/strip_layout.h"

namespace norvella::practical_note {
namespace {

void SetLeft(ControlTable& t, Control c, int left) { t[Index(c)].rect.left = left; }
void SetVisible(ControlTable& t, Control c, bool visible) { t[Index(c)].visible = visible; }

}  // namespace

void LayOutStrip(ControlTable& t, TwipRect& text_box, TwipSize window, const Toggles& toggles) {
  const int w = window.width;
  const int h = window.height;
  SetLeft(t, Control::closeme, w - 360);
  SetLeft(t, Control::closeme2, w - 360);

  text_box.left = kTextLeft;
  text_box.width = w - 60;
  text_box.height = TextBoxHeight(text_box.top, h);

  ControlState& grip = t[Index(Control::Label1)];
  grip.rect.left = w - grip.rect.width;
  grip.rect.top = h - grip.rect.height;

  if (w < kNarrowStripWidth) return;

  // Buttons that exist only on the full strip, with their hot twins.
  static constexpr Control kFullOnly[] = {Control::save,      Control::NVA,    Control::setting,
                                          Control::AlphaPlus, Control::AlphaJian, Control::size,
                                          Control::moveme,    Control::tack};
  if (w >= kFullStripWidth) {
    for (Control c : kFullOnly) SetVisible(t, c, true);
    SetVisible(t, Control::chk1, toggles.front);
    SetVisible(t, Control::chk2, toggles.may_move);
    SetVisible(t, Control::chk3, toggles.may_size);
    for (Control c : {Control::setting, Control::setting2}) SetLeft(t, c, w - 720);
    for (Control c : {Control::size, Control::size2, Control::chk3}) SetLeft(t, c, w - 1080);
    for (Control c : {Control::moveme, Control::moveme2, Control::chk2}) SetLeft(t, c, w - 1440);
    for (Control c : {Control::tack, Control::tack2, Control::chk1}) SetLeft(t, c, w - 1800);
    SetVisible(t, Control::WID, false);
    SetVisible(t, Control::WID2, false);
    return;
  }

  for (Control c : kFullOnly) {
    SetVisible(t, c, false);
    // A hot twin left showing would float alone on the narrow strip.
    SetVisible(t, HotTwin(c), false);
  }
  for (Control c : {Control::chk1, Control::chk2, Control::chk3}) SetVisible(t, c, false);
  const int wid_left = (w - t[Index(Control::WID)].rect.width) / 2;
  SetLeft(t, Control::WID, wid_left);
  SetLeft(t, Control::WID2, wid_left);
  SetVisible(t, Control::WID, true);
}

}  // namespace norvella::practical_note
