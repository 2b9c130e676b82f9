#include "UIKit/UIButton.h"

std::shared_ptr<UIButton> UIButton::buttonWithType(UIButtonType type) {
  auto button = std::make_shared<UIButton>();
  button->type_ = type;
  return button;
}
