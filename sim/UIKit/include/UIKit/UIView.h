#pragma once

#include <memory>
#include <optional>
#include <vector>

#include "CoreGraphics/CGGeometry.h"
#include "Foundation/NSObjCRuntime.h"
#include "UIKit/UIColor.h"

// A rectangle of the view tree. Views are reference-counted: create them with
// std::make_shared; a superview owns its subviews, a subview knows its superview weakly.
class UIView : public std::enable_shared_from_this<UIView> {
 public:
  explicit UIView(CGRect frame = {});
  UIView(const UIView&) = delete;
  UIView& operator=(const UIView&) = delete;
  virtual ~UIView();

  CGRect frame() const { return frame_; }
  void setFrame(CGRect frame) { frame_ = frame; }
  CGRect bounds() const { return CGRect{{0, 0}, frame_.size}; }

  NSInteger tag() const { return tag_; }
  void setTag(NSInteger tag) { tag_ = tag; }

  std::optional<UIColor> backgroundColor() const { return backgroundColor_; }
  void setBackgroundColor(std::optional<UIColor> color) { backgroundColor_ = color; }

  CGFloat alpha() const { return alpha_; }
  void setAlpha(CGFloat alpha) { alpha_ = alpha; }

  std::shared_ptr<UIView> superview() const { return superview_.lock(); }
  const std::vector<std::shared_ptr<UIView>>& subviews() const { return subviews_; }

  // Adds `view` on top of the others, taking it from its former superview first.
  void addSubview(const std::shared_ptr<UIView>& view);
  void removeFromSuperview();

  // Depth first: this view, then each subview's tree in order. Null when none has the tag.
  std::shared_ptr<UIView> viewWithTag(NSInteger tag);

  // True for the view itself and for every view above it in the tree.
  bool isAncestorOf(const UIView& view) const;

 private:
  CGRect frame_;
  NSInteger tag_ = 0;
  std::optional<UIColor> backgroundColor_;
  CGFloat alpha_ = 1.0;
  std::weak_ptr<UIView> superview_;
  std::vector<std::shared_ptr<UIView>> subviews_;
};
