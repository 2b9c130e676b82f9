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

CGSize UISlider::thumbSize() const {
  const auto thumb = currentThumbImage();
  return thumb ? thumb->size() : CGSize{kStandardThumbWidth, kStandardThumbWidth};
}

std::pair<CGFloat, CGFloat> UISlider::thumbTravel() const {
  const CGRect track = trackRect();
  const CGFloat half = std::min(thumbSize().width / 2, track.size.width / 2);
  return {track.origin.x + half, track.size.width - 2 * half};
}

CGPoint UISlider::pointForValue(float value) const {
  const auto [start, length] = thumbTravel();
  const float span = maximumValue_ - minimumValue_;
  const CGFloat fraction = span > 0 ? std::clamp((value - minimumValue_) / span, 0.0f, 1.0f) : 0;
  return CGPoint{start + fraction * length, bounds().size.height / 2};
}

CGRect UISlider::thumbRect() const {
  const CGPoint centre = pointForValue(value_);
  const CGSize size = thumbSize();
  return CGRectMake(centre.x - size.width / 2, centre.y - size.height / 2, size.width, size.height);
}

bool UISlider::beginTrackingWithTouch(CGPoint point) {
  const CGRect thumb = thumbRect();
  const CGRect reach =
      CGRectMake(thumb.origin.x - kThumbSlop, thumb.origin.y - kThumbSlop,
                 thumb.size.width + 2 * kThumbSlop, thumb.size.height + 2 * kThumbSlop);
  if (!CGRectContainsPoint(reach, point)) return false;
  grabOffset_ = point.x - pointForValue(value_).x;
  return true;
}

void UISlider::touchesBegan(CGPoint point) {
  valueAtTouchDown_ = value_;
  UIControl::touchesBegan(point);
}

// As UIKit's controls do, the slider tracks first (value-changed), then the drag and touch-up
// events follow.
void UISlider::touchesMoved(CGPoint point) {
  const auto [start, length] = thumbTravel();
  const CGFloat centre = point.x - grabOffset_;
  const CGFloat fraction = length > 0 ? std::clamp((centre - start) / length, 0.0, 1.0) : 0.0;
  const float before = value_;
  setValue(minimumValue_ + static_cast<float>(fraction) * (maximumValue_ - minimumValue_));
  if (continuous_ && value_ != before) sendActionsForControlEvents(UIControlEventValueChanged);
  UIControl::touchesMoved(point);
}

void UISlider::touchesEnded(CGPoint point) {
  if (!continuous_ && value_ != valueAtTouchDown_) {
    sendActionsForControlEvents(UIControlEventValueChanged);
  }
  UIControl::touchesEnded(point);
}
