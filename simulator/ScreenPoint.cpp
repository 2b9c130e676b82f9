#include "ScreenPoint.h"

#include <memory>

#include "UIKit/UIScreen.h"
#include "UIKit/UIView.h"

namespace screen_point {

CGPoint of(const UIView& view, CGPoint local) {
  CGPoint point = view.convertPointToView(local, nullptr);
  std::shared_ptr<const UIView> top = view.superview();
  while (top && top->superview()) top = top->superview();
  if (top) point = CGPoint{point.x + top->frame().origin.x, point.y + top->frame().origin.y};
  return point;
}

bool visible(const UIView& view, CGPoint local) {
  for (auto above = view.superview(); above; above = above->superview()) {
    if (above->clipsToBounds() &&
        !above->pointInside(view.convertPointToView(local, above.get()))) {
      return false;
    }
  }
  return CGRectContainsPoint(UIScreen::mainScreen().bounds(), of(view, local));
}

}  // namespace screen_point
