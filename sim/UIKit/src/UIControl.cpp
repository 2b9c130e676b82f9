#include "UIKit/UIControl.h"

#include <algorithm>

void UIControl::addAction(std::weak_ptr<const void> target, std::function<void(UIControl&)> invoke,
                          unsigned events) {
  actions_.push_back(Action{std::move(target), std::move(invoke), events});
}

void UIControl::sendActionsForControlEvents(unsigned events) {
  // The control stays alive while its actions run, whatever they do to the tree.
  const auto self = weak_from_this().lock();
  const auto actions = actions_;
  for (const auto& action : actions) {
    if ((action.events & events) == 0) continue;
    const auto target = action.target.lock();
    if (target) action.invoke(*this);
  }
}

std::size_t UIControl::actionCount(unsigned events) const {
  return static_cast<std::size_t>(std::count_if(actions_.begin(), actions_.end(), [&](auto& a) {
    return (a.events & events) != 0 && !a.target.expired();
  }));
}

std::shared_ptr<UIView> UIControl::hitTest(CGPoint point) {
  return enabled_ ? UIView::hitTest(point) : nullptr;
}

bool UIControl::isWithinTouchSlop(CGPoint point) const {
  const CGRect box = bounds();
  return point.x >= box.origin.x - kTouchSlop && point.y >= box.origin.y - kTouchSlop &&
         point.x < box.origin.x + box.size.width + kTouchSlop &&
         point.y < box.origin.y + box.size.height + kTouchSlop;
}

void UIControl::touchesBegan(CGPoint) {
  touchInside_ = true;
  setHighlighted(true);
  sendActionsForControlEvents(UIControlEventTouchDown);
}

void UIControl::touchesMoved(CGPoint point) {
  const bool inside = isWithinTouchSlop(point);
  if (inside != touchInside_) {
    touchInside_ = inside;
    if (highlightFollowsTouch()) setHighlighted(inside);
    sendActionsForControlEvents(inside ? UIControlEventTouchDragEnter
                                       : UIControlEventTouchDragExit);
  }
  sendActionsForControlEvents(inside ? UIControlEventTouchDragInside
                                     : UIControlEventTouchDragOutside);
}

void UIControl::touchesEnded(CGPoint point) {
  setHighlighted(false);
  touchInside_ = isWithinTouchSlop(point);
  sendActionsForControlEvents(touchInside_ ? UIControlEventTouchUpInside
                                           : UIControlEventTouchUpOutside);
  touchInside_ = false;
}

void UIControl::touchesCancelled() {
  setHighlighted(false);
  touchInside_ = false;
  sendActionsForControlEvents(UIControlEventTouchCancel);
}
