#pragma once

#include "UIKit/UIView.h"

// A view whose subviews are content larger than itself, seen through its bounds from the
// content offset and cut off at its edges. A finger that moves on it scrolls the content by the
// distance moved, within the content; a finger that only taps does nothing.
class UIScrollView : public UIView {
 public:
  using UIView::UIView;
  const char* className() const override { return "UIScrollView"; }

  CGSize contentSize() const { return contentSize_; }
  void setContentSize(CGSize size) { contentSize_ = size; }
  CGPoint contentOffset() const { return contentOffset_; }
  // Set as given; only scrolling by touch keeps within the content.
  void setContentOffset(CGPoint offset) { contentOffset_ = offset; }
  // The furthest the content scrolls: its size less the bounds', and never below zero.
  CGPoint maximumContentOffset() const;

  CGPoint boundsOrigin() const override { return contentOffset_; }
  bool clipsToBounds() const override { return true; }

  void touchesBegan(CGPoint point) override;
  void touchesMoved(CGPoint point) override;

 private:
  // Where the finger was, measured from the view's frame rather than its content, which moves.
  CGPoint finger_{};
  CGSize contentSize_{};
  CGPoint contentOffset_{};
};
