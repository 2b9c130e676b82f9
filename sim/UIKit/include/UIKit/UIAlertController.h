#pragma once

#include <memory>
#include <string>
#include <vector>

#include "UIKit/UIAlertAction.h"
#include "UIKit/UIButton.h"
#include "UIKit/UIViewController.h"

enum UIAlertControllerStyle : long { UIAlertControllerStyleAlert = 1 };

// An alert: a title, a message and its buttons on a white box in the middle of the screen,
// over a dimmed view that takes every touch outside it. Two buttons stand side by side, more
// one above another; the one Cancel action an alert may have stands on the left of two and at
// the bottom of more. A tap on a button dismisses the alert, then runs its action's handler.
// VoiceOver reads nothing behind it: its view is modal.
class UIAlertController : public UIViewController {
 public:
  static constexpr CGFloat kWidth = 270;
  static constexpr CGFloat kButtonHeight = 44;

  static std::shared_ptr<UIAlertController> alertControllerWithTitle(
      std::string title, std::string message,
      UIAlertControllerStyle style = UIAlertControllerStyleAlert);

  const std::string& message() const { return message_; }
  void addAction(std::shared_ptr<UIAlertAction> action);
  const std::vector<std::shared_ptr<UIAlertAction>>& actions() const { return actions_; }

  void viewDidLayoutSubviews() override;
  // The escape gesture is the Cancel button, where the alert has one.
  bool accessibilityPerformEscape() override;

 private:
  UIAlertController() = default;
  void build();
  std::vector<std::size_t> buttonOrder() const;
  void tapped(UIButton& button);
  // Dismisses the alert, then runs the action's handler.
  void choose(std::size_t index);

  std::string message_;
  std::vector<std::shared_ptr<UIAlertAction>> actions_;
  std::shared_ptr<UIView> box_;
};
