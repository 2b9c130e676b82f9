#pragma once

#include "UIKit/UIColor.h"
#include "UIKit/UIControl.h"

// An on/off control of UIKit's own size. A finger lifted on it (within the control's slop)
// flips it and sends value-changed; `setOn` from code sends nothing. It shows its on-tint (the
// platform's green unless told otherwise) with the knob at the right while on, a plain track
// with the knob at the left while off.
class UISwitch : public UIControl {
 public:
  // Accessibility as UIKit answers for it: a button whose value is "on" or "off".
  bool isAccessibilityElement() const override;
  std::string accessibilityValue() const override;
  UIAccessibilityTraits accessibilityTraits() const override;
  static constexpr CGSize kSize{51, 31};

  // At the frame's origin; the size is always kSize, as UIKit keeps it.
  explicit UISwitch(CGRect frame = {});
  const char* className() const override { return "UISwitch"; }

  bool isOn() const { return on_; }
  void setOn(bool on) { on_ = on; }

  const UIColor& onTintColor() const { return onTint_; }
  void setOnTintColor(UIColor color) { onTint_ = color; }

  void touchesEnded(CGPoint point) override;

 private:
  bool on_ = false;
  UIColor onTint_{0.3, 0.85, 0.39, 1};
};
