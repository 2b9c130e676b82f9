#pragma once

// The Settings side of the accessibility settings, which the device's person sets.
void UIAccessibilitySetReduceTransparencyEnabled(bool enabled);
