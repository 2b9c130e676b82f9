#include "UIKit/UITouches.h"
#include "SimDevice/ProcessRestart.h"

#include <cmath>

#include "UIKit/UIControl.h"
#include "UIKit/UIScreen.h"
#include "UIKit/UIScrollView.h"
#include "UIKit/UIWindow.h"

namespace {

std::shared_ptr<UIScrollView> enclosingScrollView(const std::shared_ptr<UIView>& view) {
  for (auto above = view; above; above = above->superview()) {
    if (auto scroller = std::dynamic_pointer_cast<UIScrollView>(above)) return scroller;
  }
  return nullptr;
}

}  // namespace

UITouches& UITouches::shared() {
  static UITouches touches;
  static const bool forgotten = (ProcessRestart::onRestart([] { touches = UITouches(); }), true);
  (void)forgotten;
  return touches;
}

UITouches::Hit UITouches::hitTest(CGPoint screenPoint) {
  const auto ordered = UIScreen::mainScreen().windows();
  for (auto it = ordered.rbegin(); it != ordered.rend(); ++it) {
    if (auto view = (*it)->hitTest((*it)->convertPointFromScreen(screenPoint))) {
      return Hit{*it, std::move(view)};
    }
  }
  return Hit{};
}

std::shared_ptr<UIView> UITouches::takerOfTouch(std::shared_ptr<UIView> hit, CGPoint inWindow) {
  if (!hit) return hit;
  if (auto* control = dynamic_cast<UIControl*>(hit.get())) {
    const CGPoint origin = hit->convertPointToView(CGPoint{0, 0}, nullptr);
    if (control->beginTrackingWithTouch(CGPoint{inWindow.x - origin.x, inWindow.y - origin.y})) {
      return hit;
    }
    // Not the control's: the scroll view it lies in may take it, else nothing does.
    return enclosingScrollView(hit->superview());
  }
  if (auto scroller = enclosingScrollView(hit)) return scroller;
  return hit;
}

CGPoint UITouches::local(CGPoint screenPoint) const {
  const CGPoint viewInWindow = touched_->convertPointToView(CGPoint{0, 0}, nullptr);
  const auto window = touchedWindow_.lock();
  const CGPoint inWindow = window ? window->convertPointFromScreen(screenPoint) : screenPoint;
  return CGPoint{inWindow.x - viewInWindow.x, inWindow.y - viewInWindow.y};
}

std::shared_ptr<UIView> UITouches::touchDown(CGPoint screenPoint) {
  // A touch arrives in a later turn of the run loop, after the last turn's layout.
  UIScreen::mainScreen().layoutWindows();
  touched_.reset();
  contender_.reset();
  const auto hit = hitTest(screenPoint);
  if (!hit.window) return nullptr;
  touchedWindow_ = hit.window;
  const CGPoint inWindow = hit.window->convertPointFromScreen(screenPoint);
  touched_ = takerOfTouch(hit.view, inWindow);
  if (!touched_) return nullptr;
  if (dynamic_cast<UIControl*>(touched_.get())) {
    auto scroller = enclosingScrollView(touched_->superview());
    if (scroller && scroller->maximumContentOffset().y > scroller->minimumContentOffset().y) {
      contender_ = std::move(scroller);
    }
  }
  down_ = heldAt_ = screenPoint;
  touched_->touchesBegan(local(screenPoint));
  return touched_;
}

bool UITouches::settleContest(CGPoint screenPoint) {
  if (!contender_) return true;
  heldAt_ = screenPoint;
  const CGFloat across = std::abs(screenPoint.x - down_.x);
  const CGFloat along = std::abs(screenPoint.y - down_.y);
  if (along >= kPanThreshold && across < kPanThreshold) {
    // The scroll view's: it scrolls from where the finger went down, the control lets go.
    const auto control = std::move(touched_);
    touched_ = std::move(contender_);
    control->touchesCancelled();
    touched_->touchesBegan(local(down_));
    return true;
  }
  if (across < kPanThreshold) return false;
  contender_.reset();
  return true;
}

void UITouches::touchMoved(CGPoint screenPoint) {
  UIScreen::mainScreen().layoutWindows();
  if (!touched_ || !settleContest(screenPoint)) return;
  touched_->touchesMoved(local(screenPoint));
}

void UITouches::touchUp(CGPoint screenPoint) {
  UIScreen::mainScreen().layoutWindows();
  if (!touched_) return;
  if (contender_) {
    // Lifted before either won: the control had the touch all along, and the way it went.
    contender_.reset();
    if (heldAt_ != down_) touched_->touchesMoved(local(heldAt_));
  }
  const CGPoint point = local(screenPoint);
  const auto touched = std::move(touched_);
  touched_.reset();
  touched->touchesEnded(point);
}

std::shared_ptr<UIView> UITouches::tap(CGPoint screenPoint) {
  auto view = touchDown(screenPoint);
  touchUp(screenPoint);
  return view;
}

bool UITouches::scrollAt(CGPoint screenPoint, CGPoint distance) {
  UIScreen::mainScreen().layoutWindows();
  const auto scroller = enclosingScrollView(hitTest(screenPoint).view);
  return scroller && scroller->scrollBy(distance);
}
