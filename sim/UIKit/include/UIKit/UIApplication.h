#pragma once

#include <memory>

#include "CoreGraphics/CGGeometry.h"
#include "UIKit/UIView.h"

// Delivers touches at screen points: a touch goes to the view that hit-testing picks in the
// frontmost visible window containing the point, and stays with it until lifted. A control
// takes the touches it begins tracking; any other view's, and those a control declines, go to
// the scroll view it lies in, if any, to scroll.
class UIApplication {
 public:
  static UIApplication& sharedApplication();

  std::shared_ptr<UIView> touchDown(CGPoint screenPoint);
  void touchMoved(CGPoint screenPoint);
  void touchUp(CGPoint screenPoint);
  // Down and up at one point; answers the view that took it (null: none did).
  std::shared_ptr<UIView> tap(CGPoint screenPoint);
  // A pointer's scroll (a wheel, a touchpad) at a screen point: the scroll view under it, or
  // the nearest one it lies in, scrolls by `distance`. Answers whether anything scrolled.
  bool scrollAt(CGPoint screenPoint, CGPoint distance);

 private:
  static std::shared_ptr<UIView> takerOfTouch(std::shared_ptr<UIView> hit, CGPoint inWindow);
  CGPoint local(CGPoint screenPoint) const;

  std::shared_ptr<UIView> touched_;
  CGPoint windowOrigin_{};
};
