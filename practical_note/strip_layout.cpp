#include "practical_note/strip_layout.h"

namespace norvella::practical_note {

void LayOutStrip(Strip& strip, TwipRect& text_box, TwipSize window, const Toggles& toggles) {
  const int w = window.width;
  const int h = window.height;
  ImageButtonSet& b = strip.buttons;
  b[Id(Button::closeme)].place.left = w - 360;

  text_box.left = kTextLeft;
  text_box.width = w - 60;
  text_box.height = TextBoxHeight(text_box.top, h);

  strip.grip.rect.left = w - strip.grip.rect.width;
  strip.grip.rect.top = h - strip.grip.rect.height;

  if (w < kNarrowStripWidth) return;

  // Buttons that exist only on the full strip.
  static constexpr Button kFullOnly[] = {Button::save,      Button::NVA,  Button::setting,
                                         Button::AlphaPlus, Button::AlphaJian, Button::size,
                                         Button::moveme,    Button::tack};
  auto& [chk1, chk2, chk3] = strip.marks;
  if (w >= kFullStripWidth) {
    for (Button c : kFullOnly) b[Id(c)].normal_visible = true;
    chk1.visible = toggles.front;
    chk2.visible = toggles.may_move;
    chk3.visible = toggles.may_size;
    b[Id(Button::setting)].place.left = w - 720;
    b[Id(Button::size)].place.left = chk3.rect.left = w - 1080;
    b[Id(Button::moveme)].place.left = chk2.rect.left = w - 1440;
    b[Id(Button::tack)].place.left = chk1.rect.left = w - 1800;
    b[Id(Button::WID)].normal_visible = false;
    b[Id(Button::WID)].hot_visible = false;
    return;
  }

  for (Button c : kFullOnly) {
    b[Id(c)].normal_visible = false;
    b[Id(c)].hot_visible = false;  // a hot twin left showing would float alone on the narrow strip
  }
  chk1.visible = chk2.visible = chk3.visible = false;
  ImageButton& wid = b[Id(Button::WID)];
  wid.place.left = (w - wid.place.width) / 2;
  wid.normal_visible = true;
}

}  // namespace norvella::practical_note
