#include "SBHomeScreenOrientation.h"

#include "SimDevice/DeviceModel.h"
#include "SpringBoard/SpringBoard.h"
#include "UIKit/UIScreen.h"

namespace {

// The home screen turns on the screens wide enough for a landscape layout: Plus-sized iPhones.
constexpr CGFloat kWidestUprightPhone = 414;

}  // namespace

SBHomeScreenOrientation::SBHomeScreenOrientation(Window window) : window_(window) {
  // Nothing of its own to show or touch: the window's views are its content.
  auto nothing = std::make_shared<UIView>(CGRectMake(0, 0, 0, 0));
  nothing->setUserInteractionEnabled(false);
  setView(std::move(nothing));
}

NSUInteger SBHomeScreenOrientation::supportedInterfaceOrientations() const {
  if (window_ == Window::StatusBar) {
    if (const auto app = SpringBoard::shared().frontApplicationOrientations()) return *app;
  }
  if (DeviceModel::isIPad(DeviceModel::identifier())) return UIInterfaceOrientationMaskAll;
  const CGRect screen = UIScreen::mainScreen().bounds();
  const CGFloat narrowSide = std::min(screen.size.width, screen.size.height);
  const bool plus =
      DeviceModel::isIPhone(DeviceModel::identifier()) && narrowSide >= kWidestUprightPhone;
  return plus ? UIInterfaceOrientationMaskAllButUpsideDown : UIInterfaceOrientationMaskPortrait;
}
