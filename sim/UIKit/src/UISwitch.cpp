#include "UIKit/UISwitch.h"

UISwitch::UISwitch(CGRect frame)
    : UIControl(CGRectMake(frame.origin.x, frame.origin.y, kSize.width, kSize.height)) {
}

// The value changes before the touch-up goes out, as UIKit's controls track before they send it.
void UISwitch::touchesEnded(CGPoint point) {
  if (isWithinTouchSlop(point)) {
    on_ = !on_;
    sendActionsForControlEvents(UIControlEventValueChanged);
  }
  UIControl::touchesEnded(point);
}
