#pragma once

#include <memory>

#include "CoreGraphics/CGGeometry.h"
#include "UIKit/UIView.h"

class UIScrollView;
class UIWindow;

// The finger on the screen, as the host puts it there (the mouse at the window, a script, a
// test) and as UIKit delivers it. A touch goes to the view that hit-testing picks in the
// frontmost visible window containing the point, or, when that window's hit-test finds nothing,
// in the windows below it; it stays with that view until lifted. A control takes the touches it
// begins tracking; any other view's, and those a control declines, go to the scroll view it lies
// in, if any, to scroll. A control in a scroll view that can scroll competes with it: a pan that
// moves kPanThreshold vertically before it moves as far sideways scrolls, and the control gets a
// cancel; one that moves sideways first is the control's.
class UITouches {
 public:
  static constexpr CGFloat kPanThreshold = 10;

  static UITouches& shared();

  std::shared_ptr<UIView> touchDown(CGPoint screenPoint);
  void touchMoved(CGPoint screenPoint);
  void touchUp(CGPoint screenPoint);
  // The view that has the finger now: the one that took it at touch-down, or the scroll view
  // that took it since. Null when no finger is down or nothing took it.
  const std::shared_ptr<UIView>& touchedView() const { return touched_; }
  // Down and up at one point; answers the view that took it (null: none did).
  std::shared_ptr<UIView> tap(CGPoint screenPoint);
  // A pointer's scroll (a wheel, a touchpad) at a screen point: the scroll view under it, or
  // the nearest one it lies in, scrolls by `distance`. Answers whether anything scrolled.
  bool scrollAt(CGPoint screenPoint, CGPoint distance);

 private:
  struct Hit {
    std::shared_ptr<UIWindow> window;
    std::shared_ptr<UIView> view;
  };
  static Hit hitTest(CGPoint screenPoint);
  static std::shared_ptr<UIView> takerOfTouch(std::shared_ptr<UIView> hit, CGPoint inWindow);
  CGPoint local(CGPoint screenPoint) const;
  // While a control and the scroll view around it both want the touch: decides by the way the
  // finger went, and answers whether it is decided.
  bool settleContest(CGPoint screenPoint);

  std::shared_ptr<UIView> touched_;
  std::weak_ptr<UIWindow> touchedWindow_;
  std::shared_ptr<UIScrollView> contender_;  // the scroll view the control competes with
  CGPoint down_{};                           // where the finger went down
  CGPoint heldAt_{};                         // where it is while the contest is open
};
