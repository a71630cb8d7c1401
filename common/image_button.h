#pragma once
// The two-picture button: a normal picture, shown at start, and its hot twin, which replaces it
// while the pointer is over it and carries the tool tip and the action. The pictures are
// windowless: a window keeps a set of them, paints the visible ones and hands them its pointer
// events.
#include <optional>
#include <string>
#include <vector>

#include "common/geometry.h"

namespace norvella {

enum class MouseButton { Left, Right, Middle };

enum class PressStyle {
  None,             // the hot picture only swaps in
  Offset,           // pressed: 20 twips right and down
  OffsetAndShrink,  // pressed: 50 twips right and down, and `shrink` twips narrower and lower
};

struct ImageButton {
  TwipRect place;  // design place and size, shared by both pictures
  PressStyle press = PressStyle::None;
  int shrink = 0;
  std::u16string tool_tip;
  bool hand_cursor = false;
  bool normal_visible = true;
  bool hot_visible = false;
  bool pressed = false;

  // Where the hot picture is drawn now: moved, and shrunk (drawn stretched), while pressed.
  TwipRect HotRect() const;
};

class ImageButtonSet {
 public:
  using Id = int;

  Id Add(ImageButton button);
  ImageButton& operator[](Id id) { return buttons_[static_cast<size_t>(id)]; }
  const ImageButton& operator[](Id id) const { return buttons_[static_cast<size_t>(id)]; }
  int size() const { return static_cast<int>(buttons_.size()); }

  // The button whose visible hot picture lies under the point: the one that reacts.
  std::optional<Id> HotAt(TwipPoint point) const;
  // The button whose visible normal picture lies under the point.
  std::optional<Id> NormalAt(TwipPoint point) const;

  // Hover: the pointer over a normal picture swaps in its hot twin. Returns that button.
  std::optional<Id> OnPointerOverNormal(TwipPoint point);
  // Back to the normal picture (a hot picture that is not showing stays as it is).
  void Restore(Id id);
  void RestoreAll();

  // A press of any button on a visible hot picture applies its press style; returns the button.
  std::optional<Id> Press(TwipPoint point);
  struct Release {
    std::optional<Id> button;  // the picture that had the press: its press is undone
    bool inside = false;       // released over that picture: a click
  };
  // The release goes to the picture that received the press, wherever the pointer is now. A
  // release with no press outstanding (the second release of a double click) undoes nothing.
  Release ReleaseAt(TwipPoint point);
  std::optional<Id> pressed() const { return pressed_; }

 private:
  std::vector<ImageButton> buttons_;
  // The picture whose press has not been undone yet. All buttons of a window share it, so a
  // release never undoes more than one press.
  std::optional<Id> pressed_;
};

}  // namespace norvella
