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

// When a button's action runs.
enum class ActionOn {
  Click,    // a left press and release on the picture, after the release (small buttons)
  Release,  // every release that ends a press on the picture, wherever and with whatever button
            // it happens (the hub's large tiles and its left column)
};

struct ImageButton {
  TwipRect place;  // design place and size, shared by both pictures
  PressStyle press = PressStyle::None;
  int shrink = 0;
  ActionOn action_on = ActionOn::Click;
  std::u16string tool_tip;
  bool hand_cursor = false;
  bool normal_visible = true;
  bool hot_visible = false;
  bool pressed = false;
  // A disabled button ignores the pointer: its hot twin never swaps in.
  bool enabled = true;
  // Buttons of one group (not 0) show at most one hot picture: the pointer over the normal
  // picture of one turns the others of its group back to normal (the close and minimise pair).
  int group = 0;
  // A single picture without a hot twin: the normal picture itself reacts (tool tip, press,
  // cursor, action) and moves as the press style says. Hover and restore leave it alone.
  bool single = false;

  // Where the hot picture is drawn now: moved, and shrunk (drawn stretched), while pressed.
  TwipRect HotRect() const;
  // Where the normal picture is drawn now: its place, or for a single picture its pressed place.
  TwipRect NormalRect() const { return single ? HotRect() : place; }
  // The picture that reacts to presses, the tool tip and the cursor shows now.
  bool ReactiveVisible() const { return single ? normal_visible : hot_visible; }
};

class ImageButtonSet {
 public:
  using Id = int;

  Id Add(ImageButton button);
  ImageButton& operator[](Id id) { return buttons_[static_cast<size_t>(id)]; }
  const ImageButton& operator[](Id id) const { return buttons_[static_cast<size_t>(id)]; }
  int size() const { return static_cast<int>(buttons_.size()); }

  // The button whose visible reacting picture (the hot twin, or a single picture) lies under the
  // point.
  std::optional<Id> HotAt(TwipPoint point) const;
  // The button whose visible normal picture lies under the point.
  std::optional<Id> NormalAt(TwipPoint point) const;

  // Hover: the pointer over the normal picture of an enabled button swaps in its hot twin and
  // turns the other buttons of its group back to normal. Returns that button.
  std::optional<Id> OnPointerOverNormal(TwipPoint point);
  // Back to the normal picture (a hot picture that is not showing stays as it is).
  void Restore(Id id);
  void RestoreAll();

  // Page switching: Show puts a button in its state at load (normal picture shown, hot twin
  // hidden); Hide hides both pictures.
  void Show(Id id);
  void Hide(Id id);
  // Disabling a button also turns it back to normal, so that a hot twin that shows at that
  // moment cannot be pressed any more.
  void SetEnabled(Id id, bool enabled);

  // A press of any button on a visible reacting picture applies its press style; returns the
  // button.
  std::optional<Id> Press(TwipPoint point);
  struct Release {
    std::optional<Id> button;  // the picture that had the press: its press is undone
    bool inside = false;       // released over that picture
    bool action = false;       // the button's action runs now (see ActionOn)
  };
  // The release goes to the picture that received the press, wherever the pointer is now. A
  // release with no press outstanding (the second release of a double click, or of two buttons
  // held together) undoes nothing and runs no action.
  Release ReleaseAt(TwipPoint point, MouseButton button = MouseButton::Left);
  std::optional<Id> pressed() const { return pressed_; }

 private:
  std::vector<ImageButton> buttons_;
  // The picture whose press has not been undone yet. All buttons of a window share it, so a
  // release never undoes more than one press.
  std::optional<Id> pressed_;
};

}  // namespace norvella
