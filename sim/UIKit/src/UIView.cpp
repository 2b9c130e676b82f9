#include "UIKit/UIView.h"

#include <algorithm>

UIView::UIView(CGRect frame) : frame_(frame) {
}

UIView::~UIView() = default;

void UIView::addSubview(const std::shared_ptr<UIView>& view) {
  if (!view || view->isAncestorOf(*this)) return;  // a view cannot contain its own ancestor
  view->removeFromSuperview();
  view->superview_ = weak_from_this();
  subviews_.push_back(view);
}

void UIView::removeFromSuperview() {
  const auto parent = superview_.lock();
  superview_.reset();
  if (!parent) return;
  // Held until the end of this call: the parent's list may own the last reference.
  const auto self = shared_from_this();
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
