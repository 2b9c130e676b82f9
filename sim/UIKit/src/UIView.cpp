#include "UIKit/UIView.h"

#include <algorithm>
#include <utility>

#include "UIKit/UIApplication.h"
#include "UIKit/UITextField.h"
#include "UIKit/UIWindow.h"

UIView::UIView(CGRect frame) : frame_(frame) {
}

UIView::~UIView() = default;

void UIView::setFrame(CGRect frame) {
  const CGSize oldSize = frame_.size;
  frame_ = frame;
  if (oldSize == frame.size) return;
  for (const auto& subview : subviews_) subview->resizeWithOldSuperviewSize(oldSize);
  setNeedsLayout();
}

void UIView::setNeedsLayout() {
  needsLayout_ = true;
  noteLayoutBelow();
}

void UIView::noteLayoutBelow() {
  for (auto above = superview_.lock(); above && !above->layoutBelow_; above = above->superview()) {
    above->layoutBelow_ = true;
  }
}

void UIView::layoutIfNeeded() {
  if (!needsLayout_ && !layoutBelow_) return;
  layoutBelow_ = false;
  // Held: what the layout runs may take the view out of its tree.
  const auto self = weak_from_this().lock();
  if (std::exchange(needsLayout_, false)) layoutSubviews();
  const auto below = subviews_;
  for (const auto& subview : below) subview->layoutIfNeeded();
  // Marked again while the pass went (a layout that resized what it had already passed).
  for (const auto& subview : subviews_) {
    if (subview->needsLayout_ || subview->layoutBelow_) layoutBelow_ = true;
  }
}

void UIView::layoutSubviews() {
}

void UIView::addSubview(const std::shared_ptr<UIView>& view) {
  if (!view || view->isAncestorOf(*this)) return;  // a view cannot contain its own ancestor
  view->removeFromSuperview();
  view->superview_ = weak_from_this();
  subviews_.push_back(view);
  if (!weak_from_this().expired()) view->adoptSubviews();
  if (view->needsLayout_ || view->layoutBelow_) view->noteLayoutBelow();
}

// Subviews a view added in its own constructor, before anything owned it, could not know it.
void UIView::adoptSubviews() {
  for (const auto& subview : subviews_) {
    if (subview->superview_.expired()) subview->superview_ = weak_from_this();
    subview->adoptSubviews();
  }
}

void UIView::removeFromSuperview() {
  const auto parent = superview_.lock();
  if (!parent) return superview_.reset();
  // Held until the end of this call: the parent's list may own the last reference.
  const auto self = shared_from_this();
  // A field leaving its window stops editing first, with editing-did-end, while still in it.
  if (const auto field = UIApplication::sharedApplication().focusedField();
      field && isAncestorOf(*field)) {
    field->resignFirstResponder();
  }
  superview_.reset();
  std::erase(parent->subviews_, self);
}

bool UIView::isAncestorOf(const UIView& view) const {
  std::shared_ptr<const UIView> parent;
  for (const UIView* node = &view; node != nullptr; node = parent.get()) {
    if (node == this) return true;
    parent = node->superview_.lock();
  }
  return false;
}

std::shared_ptr<UIView> UIView::viewWithTag(NSInteger tag) {
  if (tag_ == tag) return weak_from_this().lock();
  for (const auto& subview : subviews_) {
    if (auto found = subview->viewWithTag(tag)) return found;
  }
  return nullptr;
}

bool UIView::pointInside(CGPoint point) const {
  return CGRectContainsPoint(bounds(), point);
}

std::shared_ptr<UIView> UIView::hitTest(CGPoint point) {
  if (hidden_ || alpha_ < 0.01 || !userInteractionEnabled_ || !pointInside(point)) return nullptr;
  for (auto it = subviews_.rbegin(); it != subviews_.rend(); ++it) {
    const auto& subview = *it;
    const CGPoint seen = subview->boundsOrigin();
    const CGPoint inSubview{point.x - subview->frame_.origin.x + seen.x,
                            point.y - subview->frame_.origin.y + seen.y};
    if (auto hit = subview->hitTest(inSubview)) return hit;
  }
  return weak_from_this().lock();
}

CGPoint UIView::originInRoot() const {
  CGPoint origin{0, 0};
  std::shared_ptr<const UIView> parent;
  for (const UIView* node = this; node != nullptr; node = parent.get()) {
    parent = node->superview_.lock();
    if (!parent) break;  // the root's own frame places the tree, it is not inside it
    const CGPoint seen = node->boundsOrigin();
    origin.x += node->frame_.origin.x - seen.x;
    origin.y += node->frame_.origin.y - seen.y;
  }
  return origin;
}

CGPoint UIView::convertPointToView(CGPoint point, const UIView* view) const {
  const CGPoint from = originInRoot();
  const CGPoint to = view ? view->originInRoot() : CGPoint{0, 0};
  return CGPoint{point.x + from.x - to.x, point.y + from.y - to.y};
}

UIEdgeInsets UIView::safeAreaInsets() const {
  const UIView* root = this;
  std::shared_ptr<const UIView> held;  // keeps each ancestor while it is looked at
  while (auto parent = root->superview()) {
    held = std::move(parent);
    root = held.get();
  }
  const auto* window = dynamic_cast<const UIWindow*>(root);
  if (!window) return {};
  const UIEdgeInsets area = UIScreen::mainScreen().safeAreaInsets(window->interfaceOrientation());
  const CGPoint at = convertPointToView(CGPoint{0, 0}, window);
  const CGSize outer = window->frame().size;
  const CGSize size = frame_.size;
  return UIEdgeInsets{std::max<CGFloat>(0, area.top - at.y), std::max<CGFloat>(0, area.left - at.x),
                      std::max<CGFloat>(0, at.y + size.height - (outer.height - area.bottom)),
                      std::max<CGFloat>(0, at.x + size.width - (outer.width - area.right))};
}

void UIView::touchesBegan(CGPoint) {
}
void UIView::touchesMoved(CGPoint) {
}
void UIView::touchesEnded(CGPoint) {
}
void UIView::touchesCancelled() {
}

namespace {

// Springs and struts along one axis: the superview grew by `delta`; the flexible parts among
// (leading margin, size, trailing margin) share it in proportion to their current lengths, or
// evenly when those are all zero. Answers the new (position, size).
std::pair<CGFloat, CGFloat> resizeAxis(CGFloat position, CGFloat size, CGFloat oldSpan,
                                       CGFloat delta, bool flexLead, bool flexSize,
                                       bool flexTrail) {
  const CGFloat lead = position;
  const CGFloat trail = oldSpan - position - size;
  const int flexibleCount = int(flexLead) + int(flexSize) + int(flexTrail);
  if (flexibleCount == 0) return {position, size};
  const CGFloat total = (flexLead ? lead : 0) + (flexSize ? size : 0) + (flexTrail ? trail : 0);
  const auto share = [&](bool flexible, CGFloat length) {
    if (!flexible) return CGFloat(0);
    return total > 0 ? delta * length / total : delta / flexibleCount;
  };
  return {position + share(flexLead, lead), size + share(flexSize, size)};
}

}  // namespace

void UIView::resizeWithOldSuperviewSize(CGSize oldSize) {
  const auto parent = superview_.lock();
  if (!parent || autoresizingMask_ == UIViewAutoresizingNone) return;
  const CGSize newSize = parent->frame_.size;
  const unsigned m = autoresizingMask_;
  const auto [x, width] =
      resizeAxis(frame_.origin.x, frame_.size.width, oldSize.width, newSize.width - oldSize.width,
                 m & UIViewAutoresizingFlexibleLeftMargin, m & UIViewAutoresizingFlexibleWidth,
                 m & UIViewAutoresizingFlexibleRightMargin);
  const auto [y, height] =
      resizeAxis(frame_.origin.y, frame_.size.height, oldSize.height,
                 newSize.height - oldSize.height, m & UIViewAutoresizingFlexibleTopMargin,
                 m & UIViewAutoresizingFlexibleHeight, m & UIViewAutoresizingFlexibleBottomMargin);
  setFrame(CGRectMake(x, y, width, height));
}
