#include "UIKit/UIWindow.h"

#include "UIKit/UIScreen.h"

namespace {

// Clockwise quarter turns of the device from upright, as its screen shows them.
int quarterTurns(UIInterfaceOrientation orientation) {
  switch (orientation) {
    case UIInterfaceOrientationLandscapeRight:
      return 1;
    case UIInterfaceOrientationPortraitUpsideDown:
      return 2;
    case UIInterfaceOrientationLandscapeLeft:
      return 3;
    case UIInterfaceOrientationPortrait:
      break;
  }
  return 0;
}

}  // namespace

UIWindow::UIWindow()
    : UIView(UIScreen::mainScreen().bounds()), orientation_(UIScreen::mainScreen().orientation()) {
  UIView::setHidden(true);
}

int UIWindow::quarterTurnsOnScreen() const {
  return (quarterTurns(orientation_) - quarterTurns(UIScreen::mainScreen().orientation()) + 4) % 4;
}

// A turned window covers the screen from its corner: it turns about the screen's middle.
CGPoint UIWindow::convertPointToScreen(CGPoint inWindow) const {
  const CGPoint p{inWindow.x + frame().origin.x, inWindow.y + frame().origin.y};
  const CGSize screen = UIScreen::mainScreen().bounds().size;
  switch (quarterTurnsOnScreen()) {
    case 1:
      return CGPoint{screen.width - p.y, p.x};
    case 2:
      return CGPoint{screen.width - p.x, screen.height - p.y};
    case 3:
      return CGPoint{p.y, screen.height - p.x};
    default:
      return p;
  }
}

CGPoint UIWindow::convertPointFromScreen(CGPoint onScreen) const {
  const CGSize screen = UIScreen::mainScreen().bounds().size;
  CGPoint p = onScreen;
  switch (quarterTurnsOnScreen()) {
    case 1:
      p = CGPoint{onScreen.y, screen.width - onScreen.x};
      break;
    case 2:
      p = CGPoint{screen.width - onScreen.x, screen.height - onScreen.y};
      break;
    case 3:
      p = CGPoint{screen.height - onScreen.y, onScreen.x};
      break;
    default:
      break;
  }
  return CGPoint{p.x - frame().origin.x, p.y - frame().origin.y};
}

void UIWindow::setRootViewController(std::shared_ptr<UIViewController> controller) {
  root_ = std::move(controller);
  if (!root_) return;
  const auto& view = root_->view();
  if (view->superview().get() != this) addSubview(view);
}

void UIWindow::layoutSubviews() {
  if (!root_) return;
  root_->viewDidLayoutSubviews();
  // What it presents covers the window too, an alert in its middle.
  for (auto shown = root_->presentedViewController(); shown;
       shown = shown->presentedViewController()) {
    shown->viewDidLayoutSubviews();
  }
}

void UIWindow::makeKeyAndVisible() {
  setHidden(false);
}

void UIWindow::setHidden(bool hidden) {
  const bool showing = isHidden() && !hidden;
  UIView::setHidden(hidden);
  if (showing)
    UIScreen::mainScreen().windowWasShown(std::static_pointer_cast<UIWindow>(shared_from_this()));
}
