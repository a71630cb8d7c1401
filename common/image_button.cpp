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
    if (b.enabled && b.ReactiveVisible() && b.HotRect().Contains(point)) return id;
  }
  return std::nullopt;
}

std::optional<ImageButtonSet::Id> ImageButtonSet::NormalAt(TwipPoint point) const {
  for (Id id = 0; id < size(); ++id) {
    const ImageButton& b = (*this)[id];
    if (b.enabled && !b.single && b.normal_visible && b.place.Contains(point)) return id;
  }
  return std::nullopt;
}

std::optional<ImageButtonSet::Id> ImageButtonSet::OnPointerOverNormal(TwipPoint point) {
  if (HotAt(point)) return std::nullopt;  // the hot picture lies on top
  const std::optional<Id> id = NormalAt(point);
  if (!id) return std::nullopt;
  ImageButton& b = (*this)[*id];
  b.normal_visible = false;
  b.hot_visible = true;
  if (b.group != 0) {
    for (Id other = 0; other < size(); ++other) {
      if (other != *id && (*this)[other].group == b.group) Restore(other);
    }
  }
  return id;
}

void ImageButtonSet::Restore(Id id) {
  ImageButton& b = (*this)[id];
  if (b.single || !b.hot_visible) return;
  b.hot_visible = false;
  b.normal_visible = true;
}

void ImageButtonSet::RestoreAll() {
  for (Id id = 0; id < size(); ++id) Restore(id);
}

void ImageButtonSet::Show(Id id) {
  ImageButton& b = (*this)[id];
  b.normal_visible = true;
  b.hot_visible = false;
}

void ImageButtonSet::Hide(Id id) {
  ImageButton& b = (*this)[id];
  b.normal_visible = false;
  b.hot_visible = false;
}

void ImageButtonSet::SetEnabled(Id id, bool enabled) {
  (*this)[id].enabled = enabled;
  if (!enabled) Restore(id);
}

std::optional<ImageButtonSet::Id> ImageButtonSet::Press(TwipPoint point) {
  const std::optional<Id> id = HotAt(point);
  if (!id) return std::nullopt;
  if (pressed_) (*this)[*pressed_].pressed = false;
  (*this)[*id].pressed = true;
  pressed_ = id;
  return id;
}

ImageButtonSet::Release ImageButtonSet::ReleaseAt(TwipPoint point, MouseButton button) {
  Release release;
  if (!pressed_) return release;
  ImageButton& b = (*this)[*pressed_];
  release.button = pressed_;
  release.inside = b.ReactiveVisible() && b.HotRect().Contains(point);
  release.action = b.enabled && (b.action_on == ActionOn::Release ||
                                 (release.inside && button == MouseButton::Left));
  b.pressed = false;
  pressed_.reset();
  return release;
}

}  // namespace norvella
