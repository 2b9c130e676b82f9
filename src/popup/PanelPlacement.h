#pragma once

#include <memory>

#include "CoreGraphics/CGGeometry.h"

class OrbelleView;
class UIView;

// Keeps every row of the panel within reach. The panel is built at its full height, 50 points a
// row plus 40, centred in the window; where that reaches past the window's top or bottom edge
// it is cut to the window's height less 20 points at each end, stays centred and keeps its
// width, border and corners, and its rows scroll inside it.
class PanelPlacement {
 public:
  static constexpr CGFloat kScreenMargin = 20;

  // Places `panel`, the last view of `rootView` or the content of its scroll view, for a window
  // of `window`: as it stands when it fits, else in a scroll view of the capped height (made
  // when needed) that carries the panel's border, corners and autoresizing. A panel that fits
  // again leaves its scroll view, centred as when it was built.
  static void fit(UIView& rootView, const std::shared_ptr<OrbelleView>& panel, CGSize window);
};
