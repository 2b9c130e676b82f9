#pragma once

#include "CoreGraphics/CGGeometry.h"

class UIView;

// Where a point of a view is on the screen, and whether it can be seen there.
namespace screen_point {

// Through the view's window, wherever that stands.
CGPoint of(const UIView& view, CGPoint local);

// Inside every view above it that cuts off its subviews (a scroll view shows only part of its
// content), and inside the screen.
bool visible(const UIView& view, CGPoint local);

}  // namespace screen_point
