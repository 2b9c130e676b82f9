#pragma once

#include <functional>
#include <memory>

#include "CoreGraphics/CGGeometry.h"
#include "UIKit/UIView.h"

class UIScrollView;
class UITextField;
class UIWindow;

enum UIStatusBarStyle : long {
  UIStatusBarStyleDefault = 0,       // dark content, for light apps
  UIStatusBarStyleLightContent = 1,  // light content, for dark backgrounds such as the home screen
};

// Posted (object: the application) when the status bar's style changes.
inline constexpr char UIApplicationStatusBarStyleDidChangeNotification[] =
    "UIApplicationStatusBarStyleDidChangeNotification";

// Delivers touches at screen points. A touch goes to the view that hit-testing picks in the
// frontmost visible window containing the point, or, when that window's hit-test finds nothing,
// in the windows below it; it stays with that view until lifted. A control takes the touches it
// begins tracking; any other view's, and those a control declines, go to the scroll view it lies
// in, if any, to scroll. A control in a scroll view that can scroll competes with it: a pan that
// moves kPanThreshold vertically before it moves as far sideways scrolls, and the control gets a
// cancel; one that moves sideways first is the control's.
class UIApplication {
 public:
  static constexpr CGFloat kPanThreshold = 10;

  static UIApplication& sharedApplication();

  // The style the app in front asks of the status bar; the home screen's is light content.
  UIStatusBarStyle statusBarStyle() const { return statusBarStyle_; }
  // The orientations the app's windows may take, as its delegate's
  // application:supportedInterfaceOrientationsForWindow: answers (every one until it is set);
  // a window's root view controller chooses among them.
  using OrientationsForWindow = std::function<NSUInteger(const UIWindow&)>;
  void setSupportedInterfaceOrientationsForWindow(OrientationsForWindow answer) {
    orientationsForWindow_ = std::move(answer);
  }
  NSUInteger supportedInterfaceOrientationsForWindow(const UIWindow& window) const;

  // The status bar across the top of the screen, as tall as the model has it.
  CGRect statusBarFrame() const;
  void setStatusBarStyle(UIStatusBarStyle style);

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

  // The text field that has the focus, while it is in a window on screen; null for none. Keys
  // typed go to it.
  std::shared_ptr<UITextField> focusedField() const;
  void setFocusedField(const std::shared_ptr<UITextField>& field) { focused_ = field; }

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

  UIStatusBarStyle statusBarStyle_ = UIStatusBarStyleLightContent;
  std::shared_ptr<UIView> touched_;
  std::weak_ptr<UITextField> focused_;
  std::weak_ptr<UIWindow> touchedWindow_;
  OrientationsForWindow orientationsForWindow_;
  // A scroll view that may still take the touch from the control that has it, with where the
  // touch went down and where it was last.
  std::shared_ptr<UIScrollView> contender_;
  CGPoint down_{};
  CGPoint heldAt_{};
};
