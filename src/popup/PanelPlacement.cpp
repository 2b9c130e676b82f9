#include "popup/PanelPlacement.h"

#include <algorithm>

#include "UIKit/UIScrollView.h"
#include "mixer/OrbelleView.h"
#include "mixer/PanelMetrics.h"

namespace {

// The panel's looks, which the visible container wears: the panel itself, or its scroll view.
void moveLooks(UIView& from, UIView& to) {
  to.layer() = from.layer();
  to.setAutoresizingMask(from.autoresizingMask());
  from.layer() = CALayer();
  from.setAutoresizingMask(UIViewAutoresizingNone);
}

std::shared_ptr<UIScrollView> wrap(UIView& rootView, const std::shared_ptr<OrbelleView>& panel) {
  auto scroller = std::make_shared<UIScrollView>(panel->frame());
  moveLooks(*panel, *scroller);
  rootView.addSubview(scroller);
  const CGSize size = panel->frame().size;
  panel->setFrame(CGRectMake(0, 0, size.width, size.height));
  scroller->addSubview(panel);
  return scroller;
}

// Back where it was built: centred, computed as the popup computes it, in single precision.
void unwrap(UIView& rootView, const std::shared_ptr<UIScrollView>& scroller,
            const std::shared_ptr<OrbelleView>& panel, CGSize window) {
  moveLooks(*scroller, *panel);
  const CGSize size = panel->frame().size;
  panel->setFrame(CGRectMake(
      panel_metrics::centred(static_cast<float>(window.width), static_cast<float>(size.width)),
      panel_metrics::centred(static_cast<float>(window.height), static_cast<float>(size.height)),
      size.width, size.height));
  rootView.addSubview(panel);
  scroller->removeFromSuperview();
}

}  // namespace

void PanelPlacement::fit(UIView& rootView, const std::shared_ptr<OrbelleView>& panel,
                         CGSize window) {
  auto scroller = std::dynamic_pointer_cast<UIScrollView>(panel->superview());
  const CGSize content = panel->frame().size;
  if (content.height <= window.height) {
    if (scroller) unwrap(rootView, scroller, panel, window);
    return;
  }
  if (!scroller) scroller = wrap(rootView, panel);
  scroller->setFrame(CGRectMake((window.width - content.width) / 2, kScreenMargin, content.width,
                                window.height - 2 * kScreenMargin));
  scroller->setContentSize(content);
  const CGPoint furthest = scroller->maximumContentOffset();
  const CGPoint offset = scroller->contentOffset();
  scroller->setContentOffset(
      CGPoint{std::min(offset.x, furthest.x), std::min(offset.y, furthest.y)});
}
