#include "practical_note/controls.h"

#include "practical_note/texts.h"

namespace norvella::practical_note {

ControlTable DesignControls() {
  ControlTable t{};
  const auto pair = [&t](Control normal, Control hot, int left, int top) {
    t[Index(normal)] = {{left, top, 240, 240}, true};
    t[Index(hot)] = {{left, top, 240, 240}, false};
  };
  pair(Control::ADD, Control::ADD2, 120, 50);
  pair(Control::save, Control::save2, 480, 50);
  pair(Control::NVA, Control::NVA2, 840, 50);
  pair(Control::AlphaPlus, Control::AlphaPlus2, 1200, 50);
  pair(Control::AlphaJian, Control::AlphaJian2, 1560, 50);
  pair(Control::tack, Control::tack2, 1920, 45);
  pair(Control::moveme, Control::moveme2, 2280, 45);
  pair(Control::size, Control::size2, 2640, 45);
  pair(Control::setting, Control::setting2, 3000, 45);
  pair(Control::closeme, Control::closeme2, 3360, 45);
  pair(Control::WID, Control::WID2, 3600, 45);
  t[Index(Control::WID)].visible = false;
  t[Index(Control::chk1)] = {{1875, 15, 120, 120}, false};
  t[Index(Control::chk2)] = {{2235, 15, 120, 120}, false};
  t[Index(Control::chk3)] = {{2595, 15, 120, 120}, false};
  t[Index(Control::Label1)] = {{0, 0, 100, 100}, false};
  return t;
}

std::optional<Control> HitTest(const ControlTable& controls, TwipPoint point) {
  // The size grip lies on top of everything in its corner.
  if (const auto& grip = controls[Index(Control::Label1)]; grip.visible && grip.rect.Contains(point))
    return Control::Label1;
  for (const ButtonPair& p : kButtonPairs) {
    for (Control c : {p.hot, p.normal}) {
      const ControlState& s = controls[Index(c)];
      if (s.visible && s.rect.Contains(point)) return c;
    }
  }
  return std::nullopt;
}

std::u16string_view PictureName(Control control) {
  static constexpr std::u16string_view kNames[kControlCount] = {
      u"ADD",       u"ADD2",       u"save",   u"save2",   u"NVA",     u"NVA2",     u"AlphaPlus",
      u"AlphaPlus2", u"AlphaJian", u"AlphaJian2", u"tack", u"tack2",   u"moveme",   u"moveme2",
      u"size",      u"size2",      u"setting", u"setting2", u"closeme", u"closeme2", u"WID",
      u"WID2",      u"chk",        u"chk",    u"chk",     u"",
  };
  return kNames[Index(control)];
}

std::u16string_view ToolTip(Control control) {
  switch (control) {
    case Control::ADD2: return text::kTipAdd;
    case Control::save2: return text::kTipSave;
    case Control::NVA2: return text::kTipPersonalNote;
    case Control::AlphaPlus2: return text::kTipAlphaPlus;
    case Control::AlphaJian2: return text::kTipAlphaMinus;
    case Control::tack2: return text::kTipFront;
    case Control::moveme2: return text::kTipMove;
    case Control::size2: return text::kTipSize;
    case Control::setting2: return text::kTipHub;
    case Control::closeme2: return text::kTipClose;
    default: return {};
  }
}

}  // namespace norvella::practical_note
