#pragma once

#include <memory>

#include "UIKit/UIScreen.h"
#include "UIKit/UIView.h"
#include "UIKit/UIViewController.h"

using UIWindowLevel = CGFloat;
inline constexpr UIWindowLevel UIWindowLevelNormal = 0.0;
inline constexpr UIWindowLevel UIWindowLevelStatusBar = 1000.0;
inline constexpr UIWindowLevel UIWindowLevelAlert = 2000.0;

// A top-level view on the screen. A new window covers the whole screen and is hidden until
// shown; it owns its root view controller.
class UIWindow : public UIView {
 public:
  UIWindow();
  const char* className() const override { return "UIWindow"; }

  UIWindowLevel windowLevel() const { return level_; }
  void setWindowLevel(UIWindowLevel level) { level_ = level; }

  const std::shared_ptr<UIViewController>& rootViewController() const { return root_; }
  // Also puts the controller's view in the window, if it is not there yet.
  void setRootViewController(std::shared_ptr<UIViewController> controller);

  // The orientation the window is laid out for: the screen's when it was made, and each turn
  // its root view controller agrees to. A window laid out for another orientation than the
  // screen's shows turned on it, upright to the device as it was.
  UIInterfaceOrientation interfaceOrientation() const { return orientation_; }
  void setInterfaceOrientation(UIInterfaceOrientation orientation) { orientation_ = orientation; }
  // Quarter turns, clockwise, from the window's points to the screen's.
  int quarterTurnsOnScreen() const;
  CGPoint convertPointToScreen(CGPoint inWindow) const;
  CGPoint convertPointFromScreen(CGPoint onScreen) const;

  void makeKeyAndVisible();
  void setHidden(bool hidden) override;
  // Tells the root view controller, and the controllers it presents, their views were laid out.
  void layoutSubviews() override;

 private:
  UIWindowLevel level_ = UIWindowLevelNormal;
  UIInterfaceOrientation orientation_;
  std::shared_ptr<UIViewController> root_;
};
