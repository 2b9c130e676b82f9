#pragma once

#include <memory>
#include <optional>
#include <string>

#include "UIKit/UIView.h"
#include "common/Result.h"

// What VoiceOver does to an element of this process, on a person's gesture; the same in
// SpringBoard's process as in an app's, which does it when SpringBoard asks.
namespace accessibility_actions {

enum class Action {
  Focus,      // the cursor comes to it: its scroll view brings it into view; answers it spoken
  Activate,   // a double tap: its own activation, else a touch at its activation point
  Increment,  // a swipe up on an adjustable element: answers its new value
  Decrement,  // a swipe down
  Escape,     // the two-finger scrub: from the element up its chain, controllers too
};

const char* name(Action action);
std::optional<Action> named(const std::string& name);
Result<std::string> perform(const std::shared_ptr<UIView>& element, Action action);

}  // namespace accessibility_actions
