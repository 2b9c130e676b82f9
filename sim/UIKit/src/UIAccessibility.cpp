#include "UIKit/UIAccessibility.h"

namespace {
bool reduceTransparency = false;
}

bool UIAccessibilityIsReduceTransparencyEnabled() {
  return reduceTransparency;
}

void UIAccessibilitySetReduceTransparencyEnabled(bool enabled) {
  reduceTransparency = enabled;
}
