#pragma once

#include <cairo.h>

#include <optional>
#include <vector>

#include "CoreGraphics/CGGeometry.h"
#include "SpringBoard/VolumeControl.h"
#include "UIKit/UIScreen.h"

// The device as the window shows it: a body around the screen with the two volume buttons on
// its side, turned with the device. Sizes are in whole window pixels, `scale` of them to a
// point; the device stands in the middle of its window.
class DeviceOutline {
 public:
  // For a screen of `screen` points (as it stands, turned) in `orientation`, in a window just
  // its size, or in one of `window` pixels when that is larger.
  DeviceOutline(CGSize screen, UIInterfaceOrientation orientation, double scale,
                CGSize window = {});
  // The same device at the current screen and orientation.
  static DeviceOutline now(double scale, CGSize window = {});

  int width() const { return int(window_.size.width); }
  int height() const { return int(window_.size.height); }
  double scale() const { return scale_; }
  // The screen's top-left corner in the window.
  CGPoint screenOrigin() const { return screen_.origin; }

  // The screen point under a window pixel; nothing outside the screen.
  std::optional<CGPoint> screenPointAt(CGPoint pixel) const;
  // The point of the screen nearest to a window pixel.
  CGPoint nearestScreenPoint(CGPoint pixel) const;
  // The volume button drawn under a window pixel.
  std::optional<VolumeButton> buttonAt(CGPoint pixel) const;

  // The body and its buttons, those in `pressed` pushed in; the screen's area is left for the
  // screen.
  void draw(cairo_t* cr, const std::vector<VolumeButton>& pressed) const;

 private:
  CGRect pushedIn(CGRect button) const;

  double scale_;
  UIInterfaceOrientation orientation_;
  CGRect window_;
  CGRect body_;
  CGRect screen_;
  CGRect up_;
  CGRect down_;
};
