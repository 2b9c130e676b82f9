#pragma once

#include <memory>

#include "UIKit/UIControl.h"

enum UIButtonType : long { UIButtonTypeCustom = 0 };

// A plain tappable area: a custom button with no title or image.
class UIButton : public UIControl {
 public:
  using UIControl::UIControl;
  const char* className() const override { return "UIButton"; }

  static std::shared_ptr<UIButton> buttonWithType(UIButtonType type);

 private:
  UIButtonType type_ = UIButtonTypeCustom;
};
