#include "UIKit/UIWindow.h"

#include "UIKit/UIScreen.h"

UIWindow::UIWindow() : UIView(UIScreen::mainScreen().bounds()) {
  UIView::setHidden(true);
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
