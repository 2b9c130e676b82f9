#include "screen/ScreenPoint.h"

#include <memory>

#include "UIKit/UIScreen.h"
#include "UIKit/UIScrollView.h"
#include "UIKit/UIView.h"
#include "UIKit/UIWindow.h"

namespace screen_point {

CGPoint of(const UIView& view, CGPoint local) {
  const CGPoint point = view.convertPointToView(local, nullptr);
  std::shared_ptr<const UIView> top;
  for (auto above = view.superview(); above; above = above->superview()) top = above;
  const UIView& root = top ? *top : view;
  // The window's points turned onto the screen's, for a window laid out for another orientation.
  if (const auto* window = dynamic_cast<const UIWindow*>(&root)) {
    return window->convertPointToScreen(point);
  }
  const CGPoint origin = root.frame().origin;
  return CGPoint{point.x + origin.x, point.y + origin.y};
}

bool visible(const UIView& view, CGPoint local) {
  for (auto above = view.superview(); above; above = above->superview()) {
    const CGPoint there = view.convertPointToView(local, above.get());
    if (above->clipsToBounds() && !above->pointInside(there)) return false;
    // Under the bar over a scroll view's inset: covered.
    if (const auto* scroller = dynamic_cast<const UIScrollView*>(above.get())) {
      const UIEdgeInsets inset = scroller->contentInset();
      const CGFloat top = scroller->contentOffset().y + inset.top;
      const CGFloat bottom =
          scroller->contentOffset().y + scroller->frame().size.height - inset.bottom;
      if (there.y < top || there.y >= bottom) return false;
    }
  }
  return CGRectContainsPoint(UIScreen::mainScreen().bounds(), of(view, local));
}

}  // namespace screen_point
