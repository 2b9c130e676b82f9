#pragma once

#include <optional>

#include "CoreFoundation/CFRunLoop.h"
#include "UIKit/UIGeometry.h"
#include "UIKit/UIView.h"

// A view whose subviews are content larger than itself, seen through its bounds from the
// content offset and cut off at its edges. A finger that moves on it scrolls the content by the
// distance moved, within the content; a finger that only taps does nothing. While it scrolls,
// its vertical scroll indicator shows where the bounds are in the content, and fades out soon
// after the scrolling stops.
class UIScrollView : public UIView {
 public:
  using UIView::UIView;
  const char* className() const override { return "UIScrollView"; }

  CGSize contentSize() const { return contentSize_; }
  // The offset comes back within the new content (as the bounds are now), as UIKit's scroll
  // views bring it: content that shrank under it, or a view grown taller, never shows only what
  // lies past the content.
  void setContentSize(CGSize size);
  CGPoint contentOffset() const { return contentOffset_; }
  // Set as given; only scrolling by touch keeps within the content.
  void setContentOffset(CGPoint offset) { contentOffset_ = offset; }
  // Room around the content, as a navigation bar over its top takes: the content may scroll
  // that far past its edges, so that its first rows show below the bar.
  UIEdgeInsets contentInset() const { return contentInset_; }
  void setContentInset(UIEdgeInsets inset) { contentInset_ = inset; }
  // The nearest the content scrolls: back by the inset at its top and left (zero without one).
  CGPoint minimumContentOffset() const {
    return {0 - contentInset_.left, 0 - contentInset_.top};  // never a negative zero
  }
  // The furthest the content scrolls: its size and the inset at its bottom and right less the
  // bounds', and never below the nearest.
  CGPoint maximumContentOffset() const;
  // Scrolls the content by `distance` (as the content moves under a finger moving the other
  // way), kept within the content. Answers whether the offset changed.
  bool scrollBy(CGPoint distance);

  bool showsVerticalScrollIndicator() const { return showsIndicator_; }
  void setShowsVerticalScrollIndicator(bool shows) { showsIndicator_ = shows; }
  // The indicator as it shows now, in the scroll view's own frame (not its content), with its
  // opacity; nothing while it is faded out or the content fits.
  struct Indicator {
    CGRect rect;
    CGFloat alpha;
  };
  std::optional<Indicator> verticalScrollIndicator() const;

  CGPoint boundsOrigin() const override { return contentOffset_; }
  bool clipsToBounds() const override { return true; }

  void touchesBegan(CGPoint point) override;
  void touchesMoved(CGPoint point) override;

 private:
  void flashIndicator();
  void stopFading();

  // Where the finger was, measured from the view's frame rather than its content, which moves.
  CGPoint finger_{};
  CGSize contentSize_{};
  CGPoint contentOffset_{};
  UIEdgeInsets contentInset_{};
  bool showsIndicator_ = true;
  CGFloat indicatorAlpha_ = 0;
  std::optional<CFRunLoop::TimerId> fadeTimer_;
};
