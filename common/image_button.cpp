#include "common/image_button.h"

namespace norvella {

TwipRect ImageButton::HotRect() const {
  if (!pressed) return place;
  switch (press) {
    case PressStyle::None: return place;
    case PressStyle::Offset: return {place.left + 20, place.top + 20, place.width, place.height};
    case PressStyle::OffsetAndShrink:
      return {place.left + 50, place.top + 50, place.width - shrink, place.height - shrink};
  }
  return place;
}

ImageButtonSet::Id ImageButtonSet::Add(ImageButton button) {
  buttons_.push_back(std::move(button));
  return size() - 1;
}

std::optional<ImageButtonSet::Id> ImageButtonSet::HotAt(TwipPoint point) const {
  for (Id id = 0; id < size(); ++id) {
    const ImageButton& b = (*this)[id];
    if (b.hot_visible && b.HotRect().Contains(point)) return id;
  }
  return std::nullopt;
}

std::optional<ImageButtonSet::Id> ImageButtonSet::NormalAt(TwipPoint point) const {
  for (Id id = 0; id < size(); ++id) {
    const ImageButton& b = (*this)[id];
    if (b.normal_visible && b.place.Contains(point)) return id;
  }
  return std::nullopt;
}

std::optional<ImageButtonSet::Id> ImageButtonSet::OnPointerOverNormal(TwipPoint point) {
  if (HotAt(point)) return std::nullopt;  // the hot picture lies on top
  const std::optional<Id> id = NormalAt(point);
  if (id) {
    (*this)[*id].normal_visible = false;
    (*this)[*id].hot_visible = true;
  }
  return id;
}

void ImageButtonSet::Restore(Id id) {
  ImageButton& b = (*this)[id];
  if (!b.hot_visible) return;
  b.hot_visible = false;
  b.normal_visible = true;
}

void ImageButtonSet::RestoreAll() {
  for (Id id = 0; id < size(); ++id) Restore(id);
}

std::optional<ImageButtonSet::Id> ImageButtonSet::Press(TwipPoint point) {
  const std::optional<Id> id = HotAt(point);
  if (!id) return std::nullopt;
  if (pressed_) (*this)[*pressed_].pressed = false;
  (*this)[*id].pressed = true;
  pressed_ = id;
  return id;
}

ImageButtonSet::Release ImageButtonSet::ReleaseAt(TwipPoint point) {
  Release release;
  if (!pressed_) return release;
  ImageButton& b = (*this)[*pressed_];
  release.button = pressed_;
  release.inside = b.hot_visible && b.HotRect().Contains(point);
  b.pressed = false;
  pressed_.reset();
  return release;
}

}  // namespace norvella
