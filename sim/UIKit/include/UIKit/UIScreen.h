#pragma once

#include <memory>
#include <vector>

#include "CoreGraphics/CGGeometry.h"
#include "Foundation/NSObjCRuntime.h"
#include "UIKit/UIGeometry.h"

class UIWindow;

enum UIInterfaceOrientation : long {
  UIInterfaceOrientationPortrait = 1,
  UIInterfaceOrientationPortraitUpsideDown = 2,
  UIInterfaceOrientationLandscapeRight = 3,
  UIInterfaceOrientationLandscapeLeft = 4,
};

// The device's screen: its size in the current orientation, and the windows on it. Windows
// are held weakly: a window that nobody owns any more is off the screen.
class UIScreen {
 public:
  static UIScreen& mainScreen();

  CGRect bounds() const;

  // Pixels per point, as the model has it (2 or 3).
  CGFloat scale() const { return scale_; }
  // How tall the model's status bar is: 20 points, 44 on the notched iPhones, 24 on the iPads
  // without a Home button. UIApplication's statusBarFrame tells it.
  CGFloat statusBarHeight() const { return statusBarHeight_; }

  UIInterfaceOrientation orientation() const { return orientation_; }
  // Each window asked again, the device as it is: it turns to it if it now may, and one that may
  // no longer stand as it does stands upright (UIViewController's
  // attemptRotationToDeviceOrientation).
  void attemptRotation();

  // The layout pass over every window: run before the run loop waits, before a touch is
  // delivered and before the screen is drawn or described.
  void layoutWindows();

  // The visible (not hidden) windows, back to front: by level, then the latest shown on top.
  std::vector<std::shared_ptr<UIWindow>> windows() const;

  // Called by a window when it is shown, to take its place on top of its level.
  void windowWasShown(const std::shared_ptr<UIWindow>& window);

 private:
  friend class UIView;
  friend class UIScreenSetup;         // the host's, for the model it boots and the device's turns
  void setPortraitSize(CGSize size);  // the screen held upright, in points
  void setScale(CGFloat scale) { scale_ = scale; }
  void setStatusBarHeight(CGFloat height) { statusBarHeight_ = height; }
  // What the model's screen keeps clear of content (the status bar, a notch, rounded corners,
  // the home indicator), held upright and turned to either side. Views read it as their
  // safeAreaInsets.
  void setSafeAreaInsets(UIEdgeInsets portrait, UIEdgeInsets landscape);
  // Turns the device: each window whose root view controller agrees takes the new bounds, so
  // autoresizing lays its views out again.
  void setOrientation(UIInterfaceOrientation orientation);
  // The safe area of a window laid out for `orientation`.
  UIEdgeInsets safeAreaInsets(UIInterfaceOrientation orientation) const;
  // Whether the window's root view controller and its app let it take `orientation`.
  static bool turns(const UIWindow& window, UIInterfaceOrientation orientation);

  struct Entry {
    std::weak_ptr<UIWindow> window;
    unsigned long order;
  };
  CGSize portraitSize_{375, 667};
  CGFloat scale_ = 2;
  CGFloat statusBarHeight_ = 20;
  UIEdgeInsets portraitSafeArea_{20, 0, 0, 0};
  UIEdgeInsets landscapeSafeArea_{};
  UIInterfaceOrientation orientation_ = UIInterfaceOrientationPortrait;
  std::vector<Entry> entries_;
  unsigned long nextOrder_ = 0;
};
