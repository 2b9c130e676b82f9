#include "support/Finger.h"

CGPoint Finger::local(CGPoint point) const {
  const CGPoint origin = touched_->convertPointToView(CGPoint{0, 0}, root_.get());
  return CGPoint{point.x - origin.x, point.y - origin.y};
}

std::shared_ptr<UIView> Finger::down(CGPoint point) {
  last_ = point;
  touched_ = root_->hitTest(point);
  if (touched_) touched_->touchesBegan(local(point));
  return touched_;
}

void Finger::moveTo(CGPoint point) {
  last_ = point;
  if (touched_) touched_->touchesMoved(local(point));
}

void Finger::up() {
  if (touched_) touched_->touchesEnded(local(last_));
  touched_.reset();
}
