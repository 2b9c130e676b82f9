#include "UIKit/UIScrollView.h"

#include <algorithm>

CGPoint UIScrollView::maximumContentOffset() const {
  const CGSize size = frame().size;
  return CGPoint{std::max<CGFloat>(0, contentSize_.width - size.width),
                 std::max<CGFloat>(0, contentSize_.height - size.height)};
}

void UIScrollView::touchesBegan(CGPoint point) {
  finger_ = CGPoint{point.x - contentOffset_.x, point.y - contentOffset_.y};
}

void UIScrollView::touchesMoved(CGPoint point) {
  const CGPoint now{point.x - contentOffset_.x, point.y - contentOffset_.y};
  const CGPoint furthest = maximumContentOffset();
  contentOffset_ =
      CGPoint{std::clamp<CGFloat>(contentOffset_.x - (now.x - finger_.x), 0, furthest.x),
              std::clamp<CGFloat>(contentOffset_.y - (now.y - finger_.y), 0, furthest.y)};
  finger_ = now;
}
