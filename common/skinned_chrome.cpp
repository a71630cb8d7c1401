#include "common/skinned_chrome.h"

namespace norvella {
namespace {

constexpr int kPairGroup = 1;

ImageButton PairButton(int left, int top) {
  ImageButton b;
  b.place = {left, top, kPairButtonSize.width, kPairButtonSize.height};
  b.group = kPairGroup;
  return b;
}

}  // namespace

void HandOver(ChromeView& from, ChromeView& to) {
  to.ShowAt(from.Position());
  from.Hide();
}

SkinnedChrome::SkinnedChrome(ChromeView& view, int pair_top) : view_(view) {
  close_ = buttons_.Add(PairButton(kCloseLeft, pair_top));
  minimise_ = buttons_.Add(PairButton(kMinimiseLeft, pair_top));
}

int SkinnedChrome::AddArea(ChromeArea area) {
  areas_.push_back(area);
  return area_count() - 1;
}

std::vector<std::uint8_t> SkinnedChrome::Look() const {
  std::vector<std::uint8_t> look;
  look.reserve(static_cast<size_t>(buttons_.size()));
  for (Id id = 0; id < buttons_.size(); ++id) {
    const ImageButton& b = buttons_[id];
    look.push_back(static_cast<std::uint8_t>((b.normal_visible ? 1 : 0) | (b.hot_visible ? 2 : 0) |
                                             (b.pressed ? 4 : 0)));
  }
  return look;
}

bool SkinnedChrome::OverArea(TwipPoint point, bool* drags) const {
  for (const ChromeArea& a : areas_) {
    if (a.visible && a.rect.Contains(point)) {
      *drags = a.drags;
      return true;
    }
  }
  return false;
}

void SkinnedChrome::OnPointerMove(TwipPoint point) {
  // While a picture is pressed it has the pointer: nothing else hovers or restores.
  if (buttons_.pressed()) return;
  if (buttons_.HotAt(point)) return;
  if (buttons_.OnPointerOverNormal(point)) {
    view_.PicturesChanged();
    return;
  }
  bool drags = false;
  if (OverArea(point, &drags)) return;
  RestoreStep();
}

void SkinnedChrome::OnPointerLeave() {
  // Leaving the window crosses no background of it, but nothing of it is under the pointer any
  // more either: the window looks as it does with the pointer on its background.
  if (buttons_.pressed()) return;
  RestoreStep();
}

void SkinnedChrome::RestoreStep() {
  const std::vector<std::uint8_t> before = Look();
  RestorePage();
  buttons_.Restore(close_);
  buttons_.Restore(minimise_);
  if (Look() != before) view_.PicturesChanged();
}

void SkinnedChrome::RestorePage() {
  for (Id id = 0; id < buttons_.size(); ++id) {
    if (id != close_ && id != minimise_) buttons_.Restore(id);
  }
}

void SkinnedChrome::OnAction(Id, MouseButton) {}

void SkinnedChrome::OnButtonDown(TwipPoint point, MouseButton button) {
  // A second button pressed while a picture is held changes nothing: the first press keeps the
  // pointer until its release, which undoes it once.
  if (buttons_.pressed()) return;
  // A press where the pointer has not moved since a normal picture came under it (the window
  // appeared there) finds the picture as a hover would have left it.
  if (!buttons_.HotAt(point) && buttons_.OnPointerOverNormal(point)) view_.PicturesChanged();
  if (buttons_.Press(point)) {
    view_.PicturesChanged();
    return;
  }
  bool drags = true;  // the background
  OverArea(point, &drags);
  if (drags && button == MouseButton::Left) view_.StartWindowDrag();
}

void SkinnedChrome::OnButtonUp(TwipPoint point, MouseButton button) {
  const ImageButtonSet::Release release = buttons_.ReleaseAt(point, button);
  if (!release.button) return;
  view_.PicturesChanged();
  // Released outside the window: the pointer has left it while the picture held it.
  const TwipRect window{0, 0, kSkinnedWindowSize.width, kSkinnedWindowSize.height};
  if (!window.Contains(point)) RestoreStep();
  if (!release.action) return;
  if (*release.button == close_) {
    OnClose();
  } else if (*release.button == minimise_) {
    view_.Minimise();
  } else {
    OnAction(*release.button, button);
  }
}

}  // namespace norvella
