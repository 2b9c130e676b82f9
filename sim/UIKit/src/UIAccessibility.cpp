#include "UIKit/UIAccessibility.h"
#include "UIKit/UIAccessibilitySettings.h"

namespace {
bool reduceTransparency = false;
}

bool UIAccessibilityIsReduceTransparencyEnabled() {
  return reduceTransparency;
}

void UIAccessibilitySetReduceTransparencyEnabled(bool enabled) {
  reduceTransparency = enabled;
}
