#pragma once

#include <memory>
#include <string>

#include "Foundation/NSObjCRuntime.h"
#include "UIKit/UIView.h"

enum UIInterfaceOrientationMask : NSUInteger {
  UIInterfaceOrientationMaskPortrait = 1 << 1,
  UIInterfaceOrientationMaskPortraitUpsideDown = 1 << 2,
  UIInterfaceOrientationMaskLandscapeRight = 1 << 3,
  UIInterfaceOrientationMaskLandscapeLeft = 1 << 4,
  UIInterfaceOrientationMaskAll = 30,
  UIInterfaceOrientationMaskAllButUpsideDown = 26,
};

// Owns a view and answers the rotation questions for the window it is the root of.
class UIViewController {
 public:
  UIViewController() = default;
  UIViewController(const UIViewController&) = delete;
  UIViewController& operator=(const UIViewController&) = delete;
  virtual ~UIViewController();

  // Made on first use (a plain view the size of the screen) unless one was set.
  const std::shared_ptr<UIView>& view();
  void setView(std::shared_ptr<UIView> view) { view_ = std::move(view); }

  // What a navigation bar shows for the controller.
  const std::string& title() const { return title_; }
  void setTitle(std::string title) { title_ = std::move(title); }

  virtual NSUInteger supportedInterfaceOrientations() const;
  virtual bool shouldAutorotate() const;
  virtual bool shouldAutorotateToInterfaceOrientation(NSInteger orientation) const;

  // After its window's views were laid out anew (its size changed, as when the device turns).
  virtual void viewDidLayoutSubviews();

  // Whether the controller lets its window turn to `orientation`.
  bool allowsRotationTo(NSInteger orientation) const;

 private:
  std::shared_ptr<UIView> view_;
  std::string title_;
};
