#pragma once

#include <cairo.h>

#include <optional>
#include <vector>

#include "CoreGraphics/CGGeometry.h"
#include "SpringBoard/VolumeControl.h"
#include "UIKit/UIScreen.h"

// The device as the window shows it: a body around the screen with the two volume buttons on
// one side and the side (sleep/wake) button on the other and, for a model that has one, the Home
// button under the screen, turned with the device. Sizes are in whole window pixels, `scale` of
// them to a point; the device stands in the middle of its window.
class DeviceOutline {
 public:
  // For a screen of `screen` points (as it stands, turned) in `orientation`, in a window just
  // its size, or in one of `window` pixels when that is larger.
  DeviceOutline(CGSize screen, UIInterfaceOrientation orientation, double scale, CGSize window = {},
                bool homeButton = false);
  // The same device at the current screen and orientation, with the Home button if its model
  // has one.
  static DeviceOutline now(double scale, CGSize window = {});

  int width() const { return int(window_.size.width); }
  int height() const { return int(window_.size.height); }
  double scale() const { return scale_; }
  // The screen's top-left corner in the window, and the whole screen there, in window pixels.
  CGPoint screenOrigin() const { return screen_.origin; }
  CGRect screenRect() const { return screen_; }

  // The screen point under a window pixel; nothing outside the screen.
  std::optional<CGPoint> screenPointAt(CGPoint pixel) const;
  // The point of the screen nearest to a window pixel.
  CGPoint nearestScreenPoint(CGPoint pixel) const;
  // The volume button drawn under a window pixel.
  std::optional<VolumeButton> buttonAt(CGPoint pixel) const;
  // Whether the window pixel is on the Home button, or on the side button.
  bool isHomeButtonAt(CGPoint pixel) const;
  bool isSideButtonAt(CGPoint pixel) const;

  // The body and its buttons, those in `pressed` pushed in; the screen's area is left for the
  // screen.
  void draw(cairo_t* cr, const std::vector<VolumeButton>& pressed, bool homeHeld = false,
            bool sideHeld = false) const;

 private:
  CGRect pushedIn(CGRect button, bool acrossTheBody) const;
  bool near(CGRect button, CGPoint pixel) const;
  void drawHomeButton(cairo_t* cr, bool held) const;

  double scale_;
  UIInterfaceOrientation orientation_;
  CGRect window_;
  CGRect body_;
  CGRect screen_;
  CGRect up_;
  CGRect down_;
  CGRect side_;                 // across the body from the volume buttons
  std::optional<CGRect> home_;  // the round button's box
};
