#pragma once

// The "Reduce Transparency" accessibility setting.
bool UIAccessibilityIsReduceTransparencyEnabled();
// The Settings side of it, for the simulated device.
void UIAccessibilitySetReduceTransparencyEnabled(bool enabled);
