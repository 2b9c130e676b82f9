#pragma once

#include "CoreGraphics/CGGeometry.h"
#include "UIKit/UIGeometry.h"
#include "UIKit/UILabel.h"
#include "UIKit/UIScreen.h"

// The device's screen as the host sets it up for the model it boots, and the device turned in a
// person's hand: what an app reads from UIScreen and UIView but never sets.
class UIScreenSetup {
 public:
  // The screen held upright, in points, and its pixels a point (2 or 3).
  static void setPortraitSize(CGSize size) { UIScreen::mainScreen().setPortraitSize(size); }
  static void setScale(CGFloat scale) { UIScreen::mainScreen().setScale(scale); }
  // 20 points, 44 on the notched iPhones, 24 on the iPads without a Home button.
  static void setStatusBarHeight(CGFloat height) {
    UIScreen::mainScreen().setStatusBarHeight(height);
  }
  // What the screen keeps clear of content, upright and on its side.
  static void setSafeAreaInsets(UIEdgeInsets portrait, UIEdgeInsets landscape) {
    UIScreen::mainScreen().setSafeAreaInsets(portrait, landscape);
  }
  // The device turned: each window whose root view controller agrees turns with it.
  static void setOrientation(UIInterfaceOrientation orientation) {
    UIScreen::mainScreen().setOrientation(orientation);
  }
  // How wide the screen's renderer draws a line of text, which labels cut to.
  static void setTextMeasure(UILabel::TextWidth measure) {
    UILabel::setSystemMeasure(std::move(measure));
  }
};
