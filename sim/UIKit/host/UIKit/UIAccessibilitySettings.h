#pragma once

#include <functional>
#include <memory>
#include <string>

#include "UIKit/UIAccessibility.h"

// The Settings side of the accessibility settings, which the device's person sets.
void UIAccessibilitySetReduceTransparencyEnabled(bool enabled);
// VoiceOver on or off (posting UIAccessibilityVoiceOverStatusDidChangeNotification on a change),
// and where what the app posts to it goes while it runs.
void UIAccessibilitySetVoiceOverRunning(bool running);
using UIAccessibilityListener = std::function<void(
    UIAccessibilityNotifications, const std::shared_ptr<UIView>&, const std::string&)>;
void UIAccessibilitySetListener(UIAccessibilityListener listener);
