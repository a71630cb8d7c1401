#pragma once
// Where the strip's pictures and the text box go when the note window changes size.
#include "common/geometry.h"
#include "practical_note/controls.h"

namespace norvella::practical_note {

// The states of the three toggles, as kept in the tags of their on-marks `chk1` to `chk3`.
struct Toggles {
  bool front = false;     // chk1: stay on top
  bool may_move = false;  // chk2: moving allowed
  bool may_size = false;  // chk3: resizing allowed
};

inline constexpr int kTextLeft = 30;
inline constexpr int kTextTopStripShown = 360;
inline constexpr int kTextTopStripCovered = 30;
inline constexpr int kFullStripWidth = 3800;
inline constexpr int kNarrowStripWidth = 1200;

// The text box's height for a window of `height` twips: the strip is covered when its top is 30.
constexpr int TextBoxHeight(int text_top, int height) {
  return text_top == kTextTopStripCovered ? height - 60 : height - 390;
}

void LayOutStrip(Strip& strip, TwipRect& text_box, TwipSize window, const Toggles& toggles);

}  // namespace norvella::practical_note
