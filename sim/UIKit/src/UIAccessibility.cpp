#include "UIKit/UIAccessibility.h"

#include "Foundation/NSNotificationCenter.h"
#include "UIKit/UIAccessibilitySettings.h"

namespace {
bool reduceTransparency = false;
bool voiceOver = false;

UIAccessibilityListener& listener() {
  static UIAccessibilityListener heard;
  return heard;
}
}  // namespace

bool UIAccessibilityIsReduceTransparencyEnabled() {
  return reduceTransparency;
}

void UIAccessibilitySetReduceTransparencyEnabled(bool enabled) {
  reduceTransparency = enabled;
}

bool UIAccessibilityIsVoiceOverRunning() {
  return voiceOver;
}

void UIAccessibilitySetVoiceOverRunning(bool running) {
  if (running == voiceOver) return;
  voiceOver = running;
  NSNotificationCenter::defaultCenter().postNotificationName(
      UIAccessibilityVoiceOverStatusDidChangeNotification, nullptr);
}

void UIAccessibilitySetListener(UIAccessibilityListener heard) {
  listener() = std::move(heard);
}

// Nothing listens while VoiceOver is off, as on a phone.
void UIAccessibilityPostNotification(UIAccessibilityNotifications notification,
                                     const std::shared_ptr<UIView>& element,
                                     const std::string& announcement) {
  if (voiceOver && listener()) listener()(notification, element, announcement);
}
