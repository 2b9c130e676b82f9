#include "UIKit/UIViewController.h"

#include "Foundation/NSLog.h"
#include "UIKit/UIApplication.h"
#include "UIKit/UINavigationController.h"
#include "UIKit/UIScreen.h"
#include "UIKit/UITextField.h"
#include "UIKit/UIWindow.h"

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

void UIViewController::attemptRotationToDeviceOrientation() {
  UIScreen::mainScreen().attemptRotation();
}

bool UIViewController::allowsRotationTo(NSInteger orientation) const {
  return shouldAutorotate() && (supportedInterfaceOrientations() & (1ul << orientation)) != 0;
}

void UIViewController::presentViewController(std::shared_ptr<UIViewController> controller) {
  if (!controller) return;
  std::shared_ptr<UIView> top = view();
  while (const auto above = top->superview()) top = above;
  if (!dynamic_cast<UIWindow*>(top.get()) || presented_) {
    NSLog("Warning: attempt to present " + controller->title() +
          (presented_ ? " while already presenting" : " whose presenter is in no window"));
    return;
  }
  if (const auto field = UIApplication::sharedApplication().focusedField();
      field && top->isAncestorOf(*field)) {
    field->resignFirstResponder();
  }
  controller->presenting_ = weak_from_this();
  controller->view()->setFrame(top->bounds());
  controller->view()->setAutoresizingMask(UIViewAutoresizingFlexibleWidth |
                                          UIViewAutoresizingFlexibleHeight);
  top->addSubview(controller->view());
  controller->viewDidLayoutSubviews();
  // UIKit tells VoiceOver of every presentation and dismissal: its cursor goes into what came.
  UIAccessibilityPostNotification(UIAccessibilityScreenChangedNotification, controller->view());
  presented_ = std::move(controller);
}

void UIViewController::dismissViewController() {
  if (!presented_) {
    if (const auto presenter = presenting_.lock()) presenter->dismissViewController();
    return;
  }
  const auto gone = std::move(presented_);
  presented_.reset();
  gone->view()->removeFromSuperview();
  gone->presenting_.reset();
  UIAccessibilityPostNotification(UIAccessibilityScreenChangedNotification, nullptr);
}

void UIViewController::setEditing(bool editing) {
  editing_ = editing;
}

UIBarButtonItem UIViewController::editButtonItem() {
  const std::weak_ptr<UIViewController> weak = weak_from_this();
  return UIBarButtonItem{editing_ ? "Done" : "Edit", [weak] {
                           if (const auto self = weak.lock()) self->setEditing(!self->isEditing());
                         }};
}

void UIViewController::setRightBarButtonItem(std::optional<UIBarButtonItem> item) {
  rightBarButton_ = std::move(item);
  if (const auto navigation = navigationController()) navigation->updateBar();
}
