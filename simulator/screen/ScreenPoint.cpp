#include "screen/ScreenPoint.h"

#include <memory>

#include "UIKit/UIScreen.h"
#include "UIKit/UIScrollView.h"
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
