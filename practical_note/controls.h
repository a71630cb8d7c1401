#pragma once
// The pictures of the note's tool strip and their design places. They are windowless: the note
// window paints the visible ones and hit-tests the pointer against them.
#include <array>
#include <optional>
#include <string_view>

#include "common/geometry.h"

namespace norvella::practical_note {

// Each button is a pair: the normal picture and its hot twin ("2"), which carries the tool tip and
// the action. `chk1` to `chk3` are the on-marks of the three toggles, `Label1` the size grip.
enum class Control {
  ADD, ADD2, save, save2, NVA, NVA2, AlphaPlus, AlphaPlus2, AlphaJian, AlphaJian2,
  tack, tack2, moveme, moveme2, size, size2, setting, setting2, closeme, closeme2, WID, WID2,
  chk1, chk2, chk3, Label1,
};
inline constexpr int kControlCount = static_cast<int>(Control::Label1) + 1;

struct ControlState {
  TwipRect rect;
  bool visible = false;
};

using ControlTable = std::array<ControlState, kControlCount>;

// Places, sizes and visibility as designed.
ControlTable DesignControls();

constexpr int Index(Control c) { return static_cast<int>(c); }

// The button pairs: the normal picture and its hot twin.
struct ButtonPair {
  Control normal;
  Control hot;
};
inline constexpr std::array<ButtonPair, 11> kButtonPairs{{
    {Control::ADD, Control::ADD2},
    {Control::save, Control::save2},
    {Control::NVA, Control::NVA2},
    {Control::AlphaPlus, Control::AlphaPlus2},
    {Control::AlphaJian, Control::AlphaJian2},
    {Control::tack, Control::tack2},
    {Control::moveme, Control::moveme2},
    {Control::size, Control::size2},
    {Control::setting, Control::setting2},
    {Control::closeme, Control::closeme2},
    {Control::WID, Control::WID2},
}};

// The hot twin of a normal picture (each pair is declared normal first).
constexpr Control HotTwin(Control normal) { return static_cast<Control>(Index(normal) + 1); }

// The picture under `point` (window coordinates, twips) that reacts to the pointer: the visible
// buttons and the size grip. The on-marks are decoration and let the pointer through.
std::optional<Control> HitTest(const ControlTable& controls, TwipPoint point);

// The name of the picture a control shows (empty for the size grip, which is a plain label).
std::u16string_view PictureName(Control control);

// The tool tip of a hot picture, or empty.
std::u16string_view ToolTip(Control control);

}  // namespace norvella::practical_note
