#pragma once

#include "CoreGraphics/CGColor.h"
#include "CoreGraphics/CGGeometry.h"

// A colour as red, green, blue and alpha components from 0 to 1, with UIKit's named colours.
class UIColor {
 public:
  constexpr UIColor(CGFloat red, CGFloat green, CGFloat blue, CGFloat alpha)
      : red_(red), green_(green), blue_(blue), alpha_(alpha) {}

  static constexpr UIColor blackColor() { return UIColor(0, 0, 0, 1); }
  static constexpr UIColor whiteColor() { return UIColor(1, 1, 1, 1); }
  static constexpr UIColor grayColor() { return UIColor(0.5, 0.5, 0.5, 1); }
  static constexpr UIColor redColor() { return UIColor(1, 0, 0, 1); }
  static constexpr UIColor greenColor() { return UIColor(0, 1, 0, 1); }
  static constexpr UIColor blueColor() { return UIColor(0, 0, 1, 1); }
  static constexpr UIColor yellowColor() { return UIColor(1, 1, 0, 1); }
  static constexpr UIColor orangeColor() { return UIColor(1, 0.5, 0, 1); }
  static constexpr UIColor purpleColor() { return UIColor(0.5, 0, 0.5, 1); }
  static constexpr UIColor brownColor() { return UIColor(0.6, 0.4, 0.2, 1); }
  static constexpr UIColor clearColor() { return UIColor(0, 0, 0, 0); }
  // The platform's own: the tint of buttons and links, destructive red, and the light grey of
  // hairlines and handles.
  static constexpr UIColor systemBlueColor() { return UIColor(0, 0.48, 1, 1); }
  static constexpr UIColor systemRedColor() { return UIColor(1, 0.23, 0.19, 1); }
  static constexpr UIColor separatorColor() { return UIColor(0.78, 0.78, 0.8, 1); }

  constexpr CGFloat red() const { return red_; }
  constexpr CGFloat green() const { return green_; }
  constexpr CGFloat blue() const { return blue_; }
  constexpr CGFloat alpha() const { return alpha_; }

  constexpr CGColor cgColor() const { return CGColor{red_, green_, blue_, alpha_}; }

  bool operator==(const UIColor&) const = default;

 private:
  CGFloat red_;
  CGFloat green_;
  CGFloat blue_;
  CGFloat alpha_;
};
