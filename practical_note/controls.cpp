#include "practical_note/controls.h"

#include "practical_note/texts.h"

namespace norvella::practical_note {

Strip DesignStrip() {
  Strip s;
  const auto add = [&s](int left, int top, std::u16string_view tip) {
    ImageButton b;
    b.place = {left, top, 240, 240};
    b.tool_tip = std::u16string(tip);
    s.buttons.Add(std::move(b));
  };
  add(120, 50, text::kTipAdd);
  add(480, 50, text::kTipSave);
  add(840, 50, text::kTipPersonalNote);
  add(1200, 50, text::kTipAlphaPlus);
  add(1560, 50, text::kTipAlphaMinus);
  add(1920, 45, text::kTipFront);
  add(2280, 45, text::kTipMove);
  add(2640, 45, text::kTipSize);
  add(3000, 45, text::kTipHub);
  add(3360, 45, text::kTipClose);
  add(3600, 45, u"");
  s.buttons[Id(Button::WID)].normal_visible = false;
  s.marks = {SinglePicture{{1875, 15, 120, 120}, false}, SinglePicture{{2235, 15, 120, 120}, false},
             SinglePicture{{2595, 15, 120, 120}, false}};
  s.grip = SinglePicture{{0, 0, 100, 100}, false};
  return s;
}

std::u16string_view PictureName(Button button, bool hot) {
  static constexpr std::u16string_view kNames[kButtonCount][2] = {
      {u"ADD", u"ADD2"},       {u"save", u"save2"},       {u"NVA", u"NVA2"},
      {u"AlphaPlus", u"AlphaPlus2"}, {u"AlphaJian", u"AlphaJian2"}, {u"tack", u"tack2"},
      {u"moveme", u"moveme2"}, {u"size", u"size2"},       {u"setting", u"setting2"},
      {u"closeme", u"closeme2"}, {u"WID", u"WID2"},
  };
  return kNames[static_cast<int>(button)][hot ? 1 : 0];
}

}  // namespace norvella::practical_note
