#pragma once

#include <memory>

#include "UIKit/UIView.h"

// One finger on a view tree: touches go to the view that hit-testing picks at touch-down, in
// that view's coordinates, as UIKit delivers them. Points are in the root view's coordinates.
class Finger {
 public:
  explicit Finger(std::shared_ptr<UIView> root) : root_(std::move(root)) {}

  std::shared_ptr<UIView> down(CGPoint point);
  void moveTo(CGPoint point);
  void up();
  void tap(CGPoint point) {
    down(point);
    up();
  }

  // Where `view`'s point lies in the root's coordinates.
  CGPoint inRoot(const UIView& view, CGPoint point) const {
    return view.convertPointToView(point, root_.get());
  }

 private:
  CGPoint local(CGPoint point) const;

  std::shared_ptr<UIView> root_;
  std::shared_ptr<UIView> touched_;
  CGPoint last_{};
};
