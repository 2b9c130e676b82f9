#pragma once

#include <memory>
#include <string>

#include "UIKit/UIControl.h"
#include "UIKit/UILabel.h"

enum UIButtonType : long { UIButtonTypeCustom = 0, UIButtonTypeSystem = 1 };

// A tappable area. A custom button shows nothing of its own; a system button shows its title
// in the tint colour, centred, dimmed while a finger is on it.
class UIButton : public UIControl {
 public:
  // Accessibility as UIKit answers for it.
  bool isAccessibilityElement() const override;
  std::string accessibilityLabel() const override;
  UIAccessibilityTraits accessibilityTraits() const override;
  using UIControl::UIControl;
  const char* className() const override { return "UIButton"; }

  static std::shared_ptr<UIButton> buttonWithType(UIButtonType type);

  // The label the title is shown in: made with the first title.
  const std::shared_ptr<UILabel>& titleLabel() const { return titleLabel_; }
  void setTitle(std::string title);
  void setTitleColor(UIColor color);

  void layoutSubviews() override;
  void touchesBegan(CGPoint point) override;
  void touchesMoved(CGPoint point) override;
  void touchesEnded(CGPoint point) override;
  void touchesCancelled() override;

 private:
  void dimWhileHighlighted();

  UIButtonType type_ = UIButtonTypeCustom;
  std::shared_ptr<UILabel> titleLabel_;
};
