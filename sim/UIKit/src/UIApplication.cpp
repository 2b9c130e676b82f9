#include "UIKit/UIApplication.h"

#include "UIKit/UIControl.h"
#include "UIKit/UIScreen.h"
#include "UIKit/UIScrollView.h"
#include "UIKit/UIWindow.h"

UIApplication& UIApplication::sharedApplication() {
  static UIApplication application;
  return application;
}

std::shared_ptr<UIView> UIApplication::takerOfTouch(std::shared_ptr<UIView> hit, CGPoint inWindow) {
  if (!hit) return hit;
  if (auto* control = dynamic_cast<UIControl*>(hit.get())) {
    const CGPoint origin = hit->convertPointToView(CGPoint{0, 0}, nullptr);
    if (control->beginTrackingWithTouch(CGPoint{inWindow.x - origin.x, inWindow.y - origin.y})) {
      return hit;
    }
    // Not the control's: the scroll view it lies in may take it, else nothing does.
    for (auto view = hit->superview(); view; view = view->superview()) {
      if (dynamic_cast<UIScrollView*>(view.get())) return view;
    }
    return nullptr;
  }
  for (auto view = hit; view; view = view->superview()) {
    if (dynamic_cast<UIScrollView*>(view.get())) return view;
  }
  return hit;
}

CGPoint UIApplication::local(CGPoint screenPoint) const {
  const CGPoint inWindow = touched_->convertPointToView(CGPoint{0, 0}, nullptr);
  return CGPoint{screenPoint.x - windowOrigin_.x - inWindow.x,
                 screenPoint.y - windowOrigin_.y - inWindow.y};
}

std::shared_ptr<UIView> UIApplication::touchDown(CGPoint screenPoint) {
  touched_.reset();
  const auto window = UIScreen::mainScreen().windowAtPoint(screenPoint);
  if (!window) return nullptr;
  windowOrigin_ = window->frame().origin;
  const CGPoint inWindow{screenPoint.x - windowOrigin_.x, screenPoint.y - windowOrigin_.y};
  touched_ = takerOfTouch(window->hitTest(inWindow), inWindow);
  if (touched_) touched_->touchesBegan(local(screenPoint));
  return touched_;
}

void UIApplication::touchMoved(CGPoint screenPoint) {
  if (touched_) touched_->touchesMoved(local(screenPoint));
}

void UIApplication::touchUp(CGPoint screenPoint) {
  if (!touched_) return;
  const CGPoint point = local(screenPoint);
  const auto touched = std::move(touched_);
  touched_.reset();
  touched->touchesEnded(point);
}

std::shared_ptr<UIView> UIApplication::tap(CGPoint screenPoint) {
  auto view = touchDown(screenPoint);
  touchUp(screenPoint);
  return view;
}

bool UIApplication::scrollAt(CGPoint screenPoint, CGPoint distance) {
  const auto window = UIScreen::mainScreen().windowAtPoint(screenPoint);
  if (!window) return false;
  const CGPoint origin = window->frame().origin;
  auto view = window->hitTest(CGPoint{screenPoint.x - origin.x, screenPoint.y - origin.y});
  for (; view; view = view->superview()) {
    if (auto* scroller = dynamic_cast<UIScrollView*>(view.get())) {
      return scroller->scrollBy(distance);
    }
  }
  return false;
}
