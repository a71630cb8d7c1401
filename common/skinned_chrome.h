#pragma once
// The behaviour of a skinned window, whatever it shows: the two-picture buttons on its background
// with their hover, restore, press and release rules, the close and minimise pair at the top
// right, and the drag that moves the window. A window's model derives from SkinnedChrome, adds
// its own buttons and areas, and gives its restore step, its actions and its close action; the
// Win32 window (common/win/skinned_window) paints the pictures and hands in the pointer events.
#include <cstdint>
#include <string_view>
#include <vector>

#include "common/colour.h"
#include "common/geometry.h"
#include "common/image_button.h"

namespace norvella {

// Every full-size skinned window: 680 by 450 pixels at 96 dpi.
inline constexpr TwipSize kSkinnedWindowSize{10200, 6750};
// Pixels of exactly this colour are cut out of a skinned window: not drawn, and clicks pass
// through them to whatever lies below.
inline constexpr Colour kColourKey = Colour::FromRgb(0, 0, 255);
// Top of the close and minimise pair: 20 twips; the hub's launcher window puts it at 15.
inline constexpr int kPairTop = 20;
// The pair: 345 by 315 twips each, one pixel apart so the pointer passes from one to the other
// without crossing the background.
inline constexpr int kCloseLeft = 9720;
inline constexpr int kMinimiseLeft = 9360;
inline constexpr TwipSize kPairButtonSize{345, 315};
// Their pictures: `Image1` and `Image2` (close, normal and hot), `Image3` and `Image4`
// (minimise).
inline constexpr std::u16string_view kCloseNormalPicture = u"Image1";
inline constexpr std::u16string_view kCloseHotPicture = u"Image2";
inline constexpr std::u16string_view kMinimiseNormalPicture = u"Image3";
inline constexpr std::u16string_view kMinimiseHotPicture = u"Image4";

// What a skinned window does for its model.
class ChromeView {
 public:
  virtual ~ChromeView() = default;
  // Moves the window by the system's move loop; returns when the button is released.
  virtual void StartWindowDrag() = 0;
  virtual void Minimise() = 0;
  // Pictures were shown, hidden, pressed or released: paint them again.
  virtual void PicturesChanged() = 0;
  // The window's top-left corner on the screen.
  virtual TwipPoint Position() const = 0;
  // Shows the window with its top-left corner at `top_left`.
  virtual void ShowAt(TwipPoint top_left) = 0;
  virtual void Hide() = 0;
};

// Hand-over between two full-size windows: `to` shows where `from` is, and `from` hides, so the
// user sees one window whose content changes, wherever it was dragged to.
void HandOver(ChromeView& from, ChromeView& to);

// A plain picture or label on the background that is not a button. The pointer over it neither
// restores nor swaps anything; a left press on one that drags moves the window as the background
// does, a press on one that does not drag does nothing.
struct ChromeArea {
  TwipRect rect;
  bool visible = true;
  bool drags = false;
};

class SkinnedChrome {
 public:
  using Id = ImageButtonSet::Id;

  explicit SkinnedChrome(ChromeView& view, int pair_top = kPairTop);
  SkinnedChrome(const SkinnedChrome&) = delete;
  SkinnedChrome& operator=(const SkinnedChrome&) = delete;
  virtual ~SkinnedChrome() = default;

  ImageButtonSet& buttons() { return buttons_; }
  const ImageButtonSet& buttons() const { return buttons_; }
  Id close() const { return close_; }        // `Image1` and `Image2`
  Id minimise() const { return minimise_; }  // `Image3` and `Image4`
  int AddArea(ChromeArea area);
  ChromeArea& area(int id) { return areas_[static_cast<size_t>(id)]; }
  const ChromeArea& area(int id) const { return areas_[static_cast<size_t>(id)]; }
  int area_count() const { return static_cast<int>(areas_.size()); }

  // The window's pointer events, in twips from its top-left corner.
  void OnPointerMove(TwipPoint point);
  void OnPointerLeave();
  void OnButtonDown(TwipPoint point, MouseButton button);
  void OnButtonUp(TwipPoint point, MouseButton button);

  // The window's restore step: the page's own part, then the close and minimise pair.
  void RestoreStep();
  // The window is asked to close other than by its close button (Alt+F4, the taskbar): it does
  // what its close button does.
  void Close() { OnClose(); }

 protected:
  ChromeView& view() { return view_; }
  // The page's part of the restore step (the pointer is over the background). By default every
  // hot picture turns back to normal; a page that keeps a picture selected restores its own way.
  virtual void RestorePage();
  // A button of the page ran its action: after a click on it, or at the release for buttons
  // whose action runs on release (ActionOn).
  virtual void OnAction(Id id, MouseButton button);
  // A click on the close button: the window's close action. An action that ends the window's
  // life posts that step to its message queue: the window is still handling the release.
  virtual void OnClose() = 0;

 private:
  // What is painted of the buttons, to tell whether a step changed anything.
  std::vector<std::uint8_t> Look() const;
  bool OverArea(TwipPoint point, bool* drags) const;

  ChromeView& view_;
  ImageButtonSet buttons_;
  std::vector<ChromeArea> areas_;
  Id close_ = 0;
  Id minimise_ = 0;
};

}  // namespace norvella
