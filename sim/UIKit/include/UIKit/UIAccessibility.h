#pragma once

#include <cstdint>
#include <memory>
#include <string>

// The "Reduce Transparency" accessibility setting (set on the host's side,
// UIAccessibilitySettings).
bool UIAccessibilityIsReduceTransparencyEnabled();

// What an accessibility element is, as VoiceOver says it after its label and value.
using UIAccessibilityTraits = std::uint64_t;
inline constexpr UIAccessibilityTraits UIAccessibilityTraitNone = 0;
inline constexpr UIAccessibilityTraits UIAccessibilityTraitButton = 1 << 0;
inline constexpr UIAccessibilityTraits UIAccessibilityTraitImage = 1 << 2;
inline constexpr UIAccessibilityTraits UIAccessibilityTraitSelected = 1 << 3;
inline constexpr UIAccessibilityTraits UIAccessibilityTraitStaticText = 1 << 6;
inline constexpr UIAccessibilityTraits UIAccessibilityTraitNotEnabled = 1 << 8;
inline constexpr UIAccessibilityTraits UIAccessibilityTraitAdjustable = 1 << 12;
inline constexpr UIAccessibilityTraits UIAccessibilityTraitHeader = 1 << 16;

class UIView;

// What an app tells VoiceOver, which hears it once the post has returned: the screen changed (the
// argument, a view, is where its cursor goes; none: the first element), the layout changed, or a
// text to announce.
enum UIAccessibilityNotifications : std::uint32_t {
  UIAccessibilityScreenChangedNotification = 1000,
  UIAccessibilityLayoutChangedNotification = 1001,
  UIAccessibilityAnnouncementNotification = 1008,
};
void UIAccessibilityPostNotification(UIAccessibilityNotifications notification,
                                     const std::shared_ptr<UIView>& element,
                                     const std::string& announcement = {});
bool UIAccessibilityIsVoiceOverRunning();
// Posted (NSNotificationCenter) when VoiceOver starts or stops.
inline constexpr char UIAccessibilityVoiceOverStatusDidChangeNotification[] =
    "UIAccessibilityVoiceOverStatusDidChangeNotification";
