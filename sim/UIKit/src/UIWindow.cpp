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
  if (root_) root_->viewDidLayoutSubviews();
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
