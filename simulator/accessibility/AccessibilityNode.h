#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "CoreGraphics/CGGeometry.h"
#include "UIKit/UIAccessibility.h"
#include "common/Result.h"

class UIView;

// An accessibility element as VoiceOver holds it: what it reads, where it is on the screen, and
// the way back to it: a view of this process, or the number the app's process gave it.
struct AccessibilityNode {
  std::string label;
  std::string value;
  UIAccessibilityTraits traits = UIAccessibilityTraitNone;
  CGRect frame{};    // on the screen
  CGRect visible{};  // the part of it that shows
  std::string className;
  // What VoiceOver says of a kind that has no trait for it: "text field", "is editing".
  std::string role;
  std::weak_ptr<UIView> view;
  std::uint64_t remote = 0;  // 0: a view of this process

  static AccessibilityNode of(const std::shared_ptr<UIView>& element);

  bool same(const AccessibilityNode& other) const;
  // What VoiceOver says of it: its label, value, then its traits' words, comma-separated.
  std::string spoken() const;
  // "label | value | traits | frame=(x,y,w,h)", as `ax` lists it.
  std::string described() const;
  // One line over the app channel, under the number `id`, and back.
  std::string encoded(std::uint64_t id) const;
  static Result<AccessibilityNode> decoded(const std::string& line);
};

// "frame=(x,y,w,h)", as `ax` and its audit show a frame.
std::string accessibilityFrameText(CGRect frame);
