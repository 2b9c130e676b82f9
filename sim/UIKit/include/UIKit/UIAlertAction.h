#pragma once

#include <functional>
#include <memory>
#include <string>

enum UIAlertActionStyle : long {
  UIAlertActionStyleDefault = 0,
  UIAlertActionStyleCancel = 1,       // in bold
  UIAlertActionStyleDestructive = 2,  // in red
};

// One button of an alert: its title, its look, and what a tap on it does once the alert is
// gone.
class UIAlertAction {
 public:
  using Handler = std::function<void()>;

  static std::shared_ptr<UIAlertAction> actionWithTitle(std::string title, UIAlertActionStyle style,
                                                        Handler handler = {});

  const std::string& title() const { return title_; }
  UIAlertActionStyle style() const { return style_; }
  const Handler& handler() const { return handler_; }

 private:
  std::string title_;
  UIAlertActionStyle style_ = UIAlertActionStyleDefault;
  Handler handler_;
};
