#include "UIKit/UIViewController.h"

#include "UIKit/UIScreen.h"

UIViewController::~UIViewController() = default;

const std::shared_ptr<UIView>& UIViewController::view() {
  if (!view_) view_ = std::make_shared<UIView>(UIScreen::mainScreen().bounds());
  return view_;
}

void UIViewController::viewDidLayoutSubviews() {
}

NSUInteger UIViewController::supportedInterfaceOrientations() const {
  return UIInterfaceOrientationMaskAllButUpsideDown;
}

bool UIViewController::shouldAutorotate() const {
  return true;
}

bool UIViewController::shouldAutorotateToInterfaceOrientation(NSInteger orientation) const {
  return orientation == UIInterfaceOrientationPortrait;
}

bool UIViewController::allowsRotationTo(NSInteger orientation) const {
  return shouldAutorotate() && (supportedInterfaceOrientations() & (1ul << orientation)) != 0;
}
