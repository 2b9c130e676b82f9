#include "UIKit/UIApplication.h"

#include "Foundation/NSNotificationCenter.h"
#include "SimDevice/ProcessRestart.h"
#include "UIKit/UIScreen.h"
#include "UIKit/UITextField.h"
#include "UIKit/UIWindow.h"

UIApplication& UIApplication::sharedApplication() {
  static UIApplication application;
  static const bool forgotten =
      (ProcessRestart::onRestart([] { application = UIApplication(); }), true);
  (void)forgotten;
  return application;
}

void UIApplication::setStatusBarStyle(UIStatusBarStyle style) {
  if (style == statusBarStyle_) return;
  statusBarStyle_ = style;
  NSNotificationCenter::defaultCenter().postNotificationName(
      UIApplicationStatusBarStyleDidChangeNotification, this);
}

NSUInteger UIApplication::supportedInterfaceOrientationsForWindow(const UIWindow& window) const {
  return orientationsForWindow_ ? orientationsForWindow_(window) : UIInterfaceOrientationMaskAll;
}

CGRect UIApplication::statusBarFrame() const {
  const auto& screen = UIScreen::mainScreen();
  return CGRectMake(0, 0, screen.bounds().size.width, screen.statusBarHeight());
}

std::shared_ptr<UITextField> UIApplication::focusedField() const {
  auto field = focused_.lock();
  if (!field) return nullptr;
  // Out of the tree, or in a window off screen: no keys reach it.
  std::shared_ptr<UIView> top = field;
  while (const auto above = top->superview()) {
    if (above->isHidden()) return nullptr;
    top = above;
  }
  const auto* window = dynamic_cast<const UIWindow*>(top.get());
  if (!window || window->isHidden()) return nullptr;
  return field;
}
