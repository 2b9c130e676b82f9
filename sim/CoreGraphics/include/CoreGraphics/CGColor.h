#pragma once

#include "CoreGraphics/CGGeometry.h"

// A device RGB colour with alpha, components from 0 to 1.
struct CGColor {
  CGFloat red = 0;
  CGFloat green = 0;
  CGFloat blue = 0;
  CGFloat alpha = 0;
  bool operator==(const CGColor&) const = default;
};
