#include "screen/ScreenPoint.h"

#include <memory>

#include "UIKit/UIScreen.h"
#include "UIKit/UIView.h"

namespace screen_point {

CGPoint of(const UIView& view, CGPoint local) {
  const CGPoint point = view.convertPointToView(local, nullptr);
  std::shared_ptr<const UIView> top;
  for (auto above = view.superview(); above; above = above->superview()) top = above;
  const CGPoint window = top ? top->frame().origin : view.frame().origin;
  return CGPoint{point.x + window.x, point.y + window.y};
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
