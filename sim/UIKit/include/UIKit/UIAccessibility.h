#pragma once

// The "Reduce Transparency" accessibility setting (set on the host's side,
// UIAccessibilitySettings).
bool UIAccessibilityIsReduceTransparencyEnabled();
