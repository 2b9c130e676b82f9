#pragma once

#include <optional>
#include <string>
#include <vector>

#include "accessibility/AccessibilityActions.h"
#include "accessibility/AccessibilityNode.h"
#include "common/Result.h"

// Every accessibility element on the device's screen, as VoiceOver reaches them from
// SpringBoard's process: SpringBoard's own windows over the app in front, then the app's, asked
// of its process. None while the display is dark.
namespace screen_elements {

std::vector<AccessibilityNode> all();
// Where a screen change that names no element takes the cursor: the first element not in the
// status bar (the app's first, when an app is in front), else the first of all.
std::optional<AccessibilityNode> first(const std::vector<AccessibilityNode>& all);
// Done where the element lives. After an action in an app's process, what the app posted
// because of it is ready for SpringBoard's run loop when this returns (AppProcess).
Result<std::string> perform(const AccessibilityNode& element, accessibility_actions::Action action);
// What a reviewer would flag on the screen, contrast included.
std::vector<std::string> audit();

}  // namespace screen_elements
