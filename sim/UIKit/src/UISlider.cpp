#include "UIKit/UISlider.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr CGFloat kValueImageGap = 4;        // between a value image and the track
constexpr CGFloat kStandardThumbWidth = 28;  // the toolkit's own round thumb
}  // namespace

void UISlider::setValue(float value, bool animated) {
  lastSetWasAnimated_ = animated;
  if (std::isnan(value)) return;
  value_ = std::clamp(value, minimumValue_, std::max(minimumValue_, maximumValue_));
}

void UISlider::setMinimumValue(float value) {
  minimumValue_ = value;
  maximumValue_ = std::max(maximumValue_, value);
  setValue(value_, false);
}

void UISlider::setMaximumValue(float value) {
  maximumValue_ = value;
  minimumValue_ = std::min(minimumValue_, value);
  setValue(value_, false);
}

UISlider::Image UISlider::find(const ImageMap& images, unsigned state) {
  const auto found = images.find(state);
  return found == images.end() ? nullptr : found->second;
}

UISlider::Image UISlider::current(const ImageMap& images) const {
  if (auto image = find(images, state())) return image;
  return find(images, UIControlStateNormal);
}

CGRect UISlider::trackRect() const {
  const CGRect box = bounds();
  const CGFloat lead = minimumValueImage_ ? minimumValueImage_->size().width + kValueImageGap : 0;
  const CGFloat trail = maximumValueImage_ ? maximumValueImage_->size().width + kValueImageGap : 0;
  const CGFloat width = std::max<CGFloat>(0, box.size.width - lead - trail);
  return CGRectMake(lead, box.size.height / 2 - 1, width, 2);
}

std::pair<CGFloat, CGFloat> UISlider::thumbTravel() const {
  const CGRect track = trackRect();
  const auto thumb = currentThumbImage();
  const CGFloat half =
      std::min((thumb ? thumb->size().width : kStandardThumbWidth) / 2, track.size.width / 2);
  return {track.origin.x + half, track.size.width - 2 * half};
}

CGPoint UISlider::pointForValue(float value) const {
  const auto [start, length] = thumbTravel();
  const float span = maximumValue_ - minimumValue_;
  const CGFloat fraction = span > 0 ? std::clamp((value - minimumValue_) / span, 0.0f, 1.0f) : 0;
  return CGPoint{start + fraction * length, bounds().size.height / 2};
}

void UISlider::touchesBegan(CGPoint) {
  setHighlighted(true);
}

void UISlider::touchesMoved(CGPoint point) {
  const auto [start, length] = thumbTravel();
  const CGFloat fraction = length > 0 ? std::clamp((point.x - start) / length, 0.0, 1.0) : 0.0;
  setValue(minimumValue_ + static_cast<float>(fraction) * (maximumValue_ - minimumValue_));
  if (continuous_) sendActionsForControlEvents(UIControlEventValueChanged);
}

void UISlider::touchesEnded(CGPoint) {
  setHighlighted(false);
  if (!continuous_) sendActionsForControlEvents(UIControlEventValueChanged);
}
