#pragma once

#include <memory>

class OrbelleView;
class UIView;

// Keeps every row of the panel within reach, clear of what the screen covers. The panel is built
// at its full height, 50 points a row plus 40, centred in the window. Where that reaches into the
// window's safe area (the status bar, a notch, the home indicator) or past its edges, it is cut
// to the window's height less 20 points at each end, or the safe area's inset where that is
// more; it stays centred and keeps its width, border and corners, and its rows scroll inside it,
// under its border but never over it. A panel that fits but is centred into the safe area (a
// safe area deeper at the top than at the bottom) moves just clear of it.
class PanelPlacement {
 public:
  static constexpr double kScreenMargin = 20;

  // Places `panel`, the last view of `rootView` or the content of the scroll view in its frame
  // there, for `rootView` as it is now: as it stands when it fits, else in a frame of the capped
  // height (made when needed) that wears the panel's background, border, corners and
  // autoresizing, with a scroll view inside the border. A panel that fits again leaves them,
  // centred as when it was built.
  static void fit(UIView& rootView, const std::shared_ptr<OrbelleView>& panel);
};
