#pragma once

#include <optional>

#include "CoreGraphics/CGColor.h"
#include "CoreGraphics/CGGeometry.h"

// The drawing attributes of a view's layer that the system sets: a border and rounded corners.
class CALayer {
 public:
  const std::optional<CGColor>& borderColor() const { return borderColor_; }
  void setBorderColor(std::optional<CGColor> color) { borderColor_ = color; }
  CGFloat borderWidth() const { return borderWidth_; }
  void setBorderWidth(CGFloat width) { borderWidth_ = width; }
  CGFloat cornerRadius() const { return cornerRadius_; }
  void setCornerRadius(CGFloat radius) { cornerRadius_ = radius; }

 private:
  std::optional<CGColor> borderColor_;
  CGFloat borderWidth_ = 0;
  CGFloat cornerRadius_ = 0;
};
