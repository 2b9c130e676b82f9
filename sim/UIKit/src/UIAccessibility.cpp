#include "UIKit/UIAccessibility.h"

#include "CoreFoundation/CFRunLoop.h"
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

// Nothing listens while VoiceOver is off, as on a phone. VoiceOver, a process of its own
// there, hears the post after it returns: on the run loop's next turn here.
void UIAccessibilityPostNotification(UIAccessibilityNotifications notification,
                                     const std::shared_ptr<UIView>& element,
                                     const std::string& announcement) {
  if (!voiceOver) return;
  const std::weak_ptr<UIView> weak = element;
  CFRunLoop::main().addTimer(std::chrono::milliseconds(0), [notification, weak, announcement] {
    if (voiceOver && listener()) listener()(notification, weak.lock(), announcement);
  });
}
