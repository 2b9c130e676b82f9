#include "UIKit/UIScrollView.h"

#include <algorithm>

namespace {

constexpr CGFloat kIndicatorWidth = 3;
constexpr CGFloat kIndicatorInset = 3;  // from the edges of the bounds
constexpr CGFloat kShortestIndicator = 36;
// The indicator stays up a little after the last scroll, then fades out in steps.
constexpr std::chrono::milliseconds kIndicatorLinger{500};
constexpr std::chrono::milliseconds kFadeStep{33};
constexpr int kFadeSteps = 8;

}  // namespace

CGPoint UIScrollView::maximumContentOffset() const {
  const CGSize size = frame().size;
  const CGPoint nearest = minimumContentOffset();
  return CGPoint{std::max(nearest.x, contentSize_.width + contentInset_.right - size.width),
                 std::max(nearest.y, contentSize_.height + contentInset_.bottom - size.height)};
}

void UIScrollView::setContentSize(CGSize size) {
  contentSize_ = size;
  const CGPoint nearest = minimumContentOffset();
  const CGPoint furthest = maximumContentOffset();
  contentOffset_ = CGPoint{std::clamp(contentOffset_.x, nearest.x, furthest.x),
                           std::clamp(contentOffset_.y, nearest.y, furthest.y)};
}

bool UIScrollView::scrollBy(CGPoint distance) {
  const CGPoint nearest = minimumContentOffset();
  const CGPoint furthest = maximumContentOffset();
  const CGPoint before = contentOffset_;
  contentOffset_ =
      CGPoint{std::clamp<CGFloat>(contentOffset_.x + distance.x, nearest.x, furthest.x),
              std::clamp<CGFloat>(contentOffset_.y + distance.y, nearest.y, furthest.y)};
  if (contentOffset_ == before) return false;
  flashIndicator();
  return true;
}

void UIScrollView::touchesBegan(CGPoint point) {
  finger_ = CGPoint{point.x - contentOffset_.x, point.y - contentOffset_.y};
}

void UIScrollView::touchesMoved(CGPoint point) {
  const CGPoint now{point.x - contentOffset_.x, point.y - contentOffset_.y};
  scrollBy(CGPoint{finger_.x - now.x, finger_.y - now.y});
  finger_ = now;
}

std::optional<UIScrollView::Indicator> UIScrollView::verticalScrollIndicator() const {
  const CGSize size = frame().size;
  // Within the part of the bounds the insets leave uncovered.
  const CGFloat seen = size.height - contentInset_.top - contentInset_.bottom;
  if (!showsIndicator_ || indicatorAlpha_ <= 0 || contentSize_.height <= seen) {
    return std::nullopt;
  }
  const CGFloat room = seen - 2 * kIndicatorInset;
  const CGFloat length =
      std::clamp(room * seen / contentSize_.height, std::min(kShortestIndicator, room), room);
  const CGFloat nearest = minimumContentOffset().y;
  const CGFloat travel = maximumContentOffset().y - nearest;
  const CGFloat along = travel > 0 ? (room - length) * (contentOffset_.y - nearest) / travel : 0;
  return Indicator{CGRectMake(size.width - kIndicatorInset - kIndicatorWidth,
                              contentInset_.top + kIndicatorInset + along, kIndicatorWidth, length),
                   indicatorAlpha_};
}

void UIScrollView::flashIndicator() {
  stopFading();
  indicatorAlpha_ = 1;
  // The timers hold the view weakly: one that outlives it finds it gone and stops.
  const std::weak_ptr<UIView> weak = weak_from_this();
  fadeTimer_ = CFRunLoop::main().addTimer(kIndicatorLinger, [this, weak] {
    if (weak.expired()) return;
    fadeTimer_ = CFRunLoop::main().addRepeatingTimer(kFadeStep, [this, weak] {
      if (weak.expired()) return false;
      indicatorAlpha_ = std::max<CGFloat>(0, indicatorAlpha_ - 1.0 / kFadeSteps);
      if (indicatorAlpha_ > 0) return true;
      fadeTimer_.reset();
      return false;
    });
  });
}

void UIScrollView::stopFading() {
  if (fadeTimer_) CFRunLoop::main().cancelTimer(*fadeTimer_);
  fadeTimer_.reset();
}
