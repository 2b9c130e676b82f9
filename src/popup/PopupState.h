#pragma once

#include <memory>

#include "UIKit/UIWindow.h"
#include "mixer/OrbelleView.h"

// The process-wide popup state. Plain variables: everything that reads or writes them runs on
// the main thread. Visible to the host process (as a debugger would see them) for inspection.
#define ORBELLE_EXPORT __attribute__((visibility("default")))

// The window of the popup now shown; null when none is open.
ORBELLE_EXPORT extern std::shared_ptr<UIWindow> popupWindow;
// The panel of the latest popup; kept after closing until the next one replaces it.
ORBELLE_EXPORT extern std::shared_ptr<OrbelleView> popupView;
// Whether the popup blurs what lies behind it; mirrors the preference of the same key.
ORBELLE_EXPORT extern bool enableBackgroundBlur;
