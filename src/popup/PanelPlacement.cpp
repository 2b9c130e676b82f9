#include "popup/PanelPlacement.h"

#include <algorithm>

#include "UIKit/UIScrollView.h"
#include "mixer/OrbelleView.h"
#include "mixer/PanelMetrics.h"

namespace {

// The panel's looks, which the visible container wears: the panel itself, or its frame.
void moveLooks(UIView& from, UIView& to) {
  to.layer() = from.layer();
  to.setAutoresizingMask(from.autoresizingMask());
  to.setBackgroundColor(from.backgroundColor());
  from.layer() = CALayer();
  from.setAutoresizingMask(UIViewAutoresizingNone);
  from.setBackgroundColor(std::nullopt);
}

// The frame that wears the looks, and the scroll view inside its border: rows scroll under the
// border (a layer's border is drawn over its content, translucent here) but are cut off at its
// inner edge. The panel sits in it as far up as the border is wide, so that its rows show where
// they would without it.
std::shared_ptr<UIScrollView> wrap(UIView& rootView, const std::shared_ptr<OrbelleView>& panel) {
  auto frame = std::make_shared<UIView>(panel->frame());
  moveLooks(*panel, *frame);
  const CGFloat border = frame->layer().borderWidth();
  const CGSize size = panel->frame().size;
  auto scroller =
      std::make_shared<UIScrollView>(CGRectMake(0, border, size.width, size.height - 2 * border));
  scroller->setAutoresizingMask(UIViewAutoresizingFlexibleHeight);
  panel->setFrame(CGRectMake(0, -border, size.width, size.height));
  scroller->addSubview(panel);
  frame->addSubview(scroller);
  rootView.addSubview(frame);
  return scroller;
}

// Back where it was built: centred, computed as the popup computes it, in single precision.
void unwrap(UIView& rootView, const std::shared_ptr<UIScrollView>& scroller,
            const std::shared_ptr<OrbelleView>& panel, CGSize window) {
  const auto frame = scroller->superview();
  moveLooks(*frame, *panel);
  const CGSize size = panel->frame().size;
  panel->setFrame(CGRectMake(
      panel_metrics::centred(static_cast<float>(window.width), static_cast<float>(size.width)),
      panel_metrics::centred(static_cast<float>(window.height), static_cast<float>(size.height)),
      size.width, size.height));
  rootView.addSubview(panel);
  frame->removeFromSuperview();
}

// A panel that fits, moved down or up just out of the safe area it was centred into.
void keepClear(UIView& panel, CGFloat top, CGFloat bottom) {
  CGRect frame = panel.frame();
  if (frame.origin.y < top) frame.origin.y = top;
  if (frame.origin.y + frame.size.height > bottom) frame.origin.y = bottom - frame.size.height;
  panel.setFrame(frame);
}

}  // namespace

void PanelPlacement::fit(UIView& rootView, const std::shared_ptr<OrbelleView>& panel) {
  const CGSize window = rootView.bounds().size;
  const UIEdgeInsets safe = rootView.safeAreaInsets();
  auto scroller = std::dynamic_pointer_cast<UIScrollView>(panel->superview());
  const CGSize content = panel->frame().size;
  if (content.height <= window.height - safe.top - safe.bottom) {
    if (scroller) unwrap(rootView, scroller, panel, window);
    return keepClear(*panel, safe.top, window.height - safe.bottom);
  }
  if (!scroller) scroller = wrap(rootView, panel);
  const CGFloat top = std::max<CGFloat>(kScreenMargin, safe.top);
  const CGFloat bottom = std::max<CGFloat>(kScreenMargin, safe.bottom);
  const CGFloat across = window.width - safe.left - safe.right;
  scroller->superview()->setFrame(CGRectMake(safe.left + (across - content.width) / 2, top,
                                             content.width, window.height - top - bottom));
  const CGFloat border = scroller->frame().origin.y;
  scroller->setContentSize(CGSize{content.width, content.height - 2 * border});
}
