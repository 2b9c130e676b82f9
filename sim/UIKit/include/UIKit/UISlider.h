#pragma once

#include <map>
#include <memory>
#include <optional>

#include "UIKit/UIControl.h"
#include "UIKit/UIImage.h"

// A horizontal slider from minimumValue to maximumValue. It tracks a finger only when the
// finger goes down on its thumb (or within kThumbSlop of it): elsewhere on the slider the touch
// is not its own. While tracking, the slider is highlighted wherever the finger goes, and each
// move sets the value from the finger's position along the track, less where on the thumb it
// went down: a finger moving straight up or down changes nothing. Value-changed is sent only
// when the value changes: on each such move when continuous, else once as the finger lifts.
// Lifting or a cancel clears the highlight.
class UISlider : public UIControl {
 public:
  // Accessibility as UIKit answers for it: its value as a percentage of its range, adjustable
  // by a tenth of the range a step (sending value-changed).
  bool isAccessibilityElement() const override;
  std::string accessibilityValue() const override;
  UIAccessibilityTraits accessibilityTraits() const override;
  void accessibilityIncrement() override;
  void accessibilityDecrement() override;
  using Image = std::shared_ptr<const UIImage>;

  using UIControl::UIControl;
  const char* className() const override { return "UISlider"; }

  float value() const { return value_; }
  void setValue(float value) { setValue(value, false); }
  // Clamped to the range; a NaN is ignored. The animated flag is kept for inspection.
  void setValue(float value, bool animated);
  bool lastSetWasAnimated() const { return lastSetWasAnimated_; }

  float minimumValue() const { return minimumValue_; }
  void setMinimumValue(float value);
  float maximumValue() const { return maximumValue_; }
  void setMaximumValue(float value);

  void setContinuous(bool continuous) { continuous_ = continuous; }

  Image thumbImageForState(unsigned state) const { return find(thumbImages_, state); }
  void setThumbImage(Image image, unsigned state) { thumbImages_[state] = std::move(image); }
  Image minimumTrackImageForState(unsigned state) const { return find(minimumTrack_, state); }
  void setMinimumTrackImage(Image image, unsigned state) { minimumTrack_[state] = image; }
  Image maximumTrackImageForState(unsigned state) const { return find(maximumTrack_, state); }
  void setMaximumTrackImage(Image image, unsigned state) { maximumTrack_[state] = image; }
  // What shows in the current state: that state's image, else the normal one.
  Image currentThumbImage() const { return current(thumbImages_); }
  Image currentMinimumTrackImage() const { return current(minimumTrack_); }
  Image currentMaximumTrackImage() const { return current(maximumTrack_); }

  const Image& minimumValueImage() const { return minimumValueImage_; }
  void setMinimumValueImage(Image image) { minimumValueImage_ = std::move(image); }
  const Image& maximumValueImage() const { return maximumValueImage_; }
  void setMaximumValueImage(Image image) { maximumValueImage_ = std::move(image); }

  const std::optional<UIColor>& thumbTintColor() const { return thumbTint_; }
  void setThumbTintColor(std::optional<UIColor> color) { thumbTint_ = color; }
  const std::optional<UIColor>& minimumTrackTintColor() const { return minimumTrackTint_; }
  void setMinimumTrackTintColor(std::optional<UIColor> color) { minimumTrackTint_ = color; }
  const std::optional<UIColor>& maximumTrackTintColor() const { return maximumTrackTint_; }
  void setMaximumTrackTintColor(std::optional<UIColor> color) { maximumTrackTint_ = color; }

  // The track, in the slider's coordinates: the bounds less the value images at its ends.
  CGRect trackRect() const;
  // Where the thumb's centre sits for a value, in the slider's coordinates (mid-height). The
  // centre travels the track less half a thumb at each end, so the thumb stays on it.
  CGPoint pointForValue(float value) const;
  // The thumb as drawn for the current value, in the slider's coordinates.
  CGRect thumbRect() const;
  // How far around the thumb a finger still lands on it, in points.
  static constexpr CGFloat kThumbSlop = 10;

  bool beginTrackingWithTouch(CGPoint point) override;
  void touchesBegan(CGPoint point) override;
  void touchesMoved(CGPoint point) override;
  void touchesEnded(CGPoint point) override;

 protected:
  bool highlightFollowsTouch() const override { return false; }

 private:
  using ImageMap = std::map<unsigned, Image>;
  static Image find(const ImageMap& images, unsigned state);
  Image current(const ImageMap& images) const;
  // The span of x the thumb's centre travels: (start, length).
  std::pair<CGFloat, CGFloat> thumbTravel() const;

  CGSize thumbSize() const;

  float value_ = 0;
  float valueAtTouchDown_ = 0;
  CGFloat grabOffset_ = 0;  // the finger's distance from the thumb's centre where it went down
  float minimumValue_ = 0;
  float maximumValue_ = 1;
  bool continuous_ = true;
  bool lastSetWasAnimated_ = false;
  ImageMap thumbImages_;
  ImageMap minimumTrack_;
  ImageMap maximumTrack_;
  Image minimumValueImage_;
  Image maximumValueImage_;
  std::optional<UIColor> thumbTint_;
  std::optional<UIColor> minimumTrackTint_;
  std::optional<UIColor> maximumTrackTint_;
};
