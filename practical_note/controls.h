#pragma once
// The note's tool strip: eleven two-picture buttons, the on-marks of the three toggles and the
// size grip. The pictures are windowless: the note window paints the visible ones and hands its
// pointer events to the model, which hit-tests them here.
#include <array>
#include <string_view>

#include "common/geometry.h"
#include "common/image_button.h"

namespace norvella::practical_note {

// The buttons in the order of the note's ImageButtonSet. Each is a pair: `ADD` and `ADD2`, ...
enum class Button { ADD, save, NVA, AlphaPlus, AlphaJian, tack, moveme, size, setting, closeme, WID };
inline constexpr int kButtonCount = static_cast<int>(Button::WID) + 1;
constexpr ImageButtonSet::Id Id(Button b) { return static_cast<ImageButtonSet::Id>(b); }

// A picture without a hot twin.
struct SinglePicture {
  TwipRect rect;
  bool visible = false;
  bool Shows(TwipPoint point) const { return visible && rect.Contains(point); }
};

struct Strip {
  ImageButtonSet buttons;
  std::array<SinglePicture, 3> marks;  // `chk1` (stay on top), `chk2` (moving), `chk3` (resizing)
  SinglePicture grip;                  // `Label1`
};

// True when the point lies on an on-mark that shows.
inline bool OnMark(const Strip& strip, TwipPoint point) {
  for (const SinglePicture& mark : strip.marks)
    if (mark.Shows(point)) return true;
  return false;
}

// The strip as designed: places, sizes, tool tips and start visibility.
Strip DesignStrip();

// The name of a button's picture: "ADD", or "ADD2" for its hot twin.
std::u16string_view PictureName(Button button, bool hot);
inline constexpr std::u16string_view kMarkPicture = u"chk";

}  // namespace norvella::practical_note
