#pragma once

#include <memory>
#include <string>
#include <vector>

#include "UIKit/UIWindow.h"

// Text a reviewer would flag for its contrast with what is drawn under it: below 4.5:1 (WCAG's
// measure, by relative luminance). What lies under a label is the screen drawn without the
// labels of `windows`, averaged over the label's visible frame; its text's colour is laid over
// that. `wholeScreen` draws everything on the screen under them (SpringBoard's process); else
// only this process's windows, over black (an app's).
namespace contrast_audit {

inline constexpr double kLeast = 4.5;

double ratio(const UIColor& a, const UIColor& b);
std::vector<std::string> audit(const std::vector<std::shared_ptr<UIWindow>>& windows,
                               bool wholeScreen);

}  // namespace contrast_audit
