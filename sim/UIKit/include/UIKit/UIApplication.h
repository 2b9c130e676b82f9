#pragma once

#include <functional>
#include <memory>

#include "CoreGraphics/CGGeometry.h"
#include "UIKit/UIView.h"

class UITextField;
class UIWindow;

enum UIStatusBarStyle : long {
  UIStatusBarStyleDefault = 0,       // dark content, for light apps
  UIStatusBarStyleLightContent = 1,  // light content, for dark backgrounds such as the home screen
};

// Posted (object: the application) when the status bar's style changes.
inline constexpr char UIApplicationStatusBarStyleDidChangeNotification[] =
    "UIApplicationStatusBarStyleDidChangeNotification";

// The app: its status bar, the orientations its windows may take, the text field with the focus.
class UIApplication {
 public:
  static UIApplication& sharedApplication();

  // The style the app in front asks of the status bar; the home screen's is light content.
  UIStatusBarStyle statusBarStyle() const { return statusBarStyle_; }
  // The orientations the app's windows may take, as its delegate's
  // application:supportedInterfaceOrientationsForWindow: answers (every one until it is set);
  // a window's root view controller chooses among them.
  using OrientationsForWindow = std::function<NSUInteger(const UIWindow&)>;
  void setSupportedInterfaceOrientationsForWindow(OrientationsForWindow answer) {
    orientationsForWindow_ = std::move(answer);
  }
  NSUInteger supportedInterfaceOrientationsForWindow(const UIWindow& window) const;

  // The status bar across the top of the screen, as tall as the model has it.
  CGRect statusBarFrame() const;
  void setStatusBarStyle(UIStatusBarStyle style);

  // The text field that has the focus, while it is in a window on screen; null for none. Keys
  // typed go to it.
  std::shared_ptr<UITextField> focusedField() const;
  void setFocusedField(const std::shared_ptr<UITextField>& field) { focused_ = field; }

 private:
  UIStatusBarStyle statusBarStyle_ = UIStatusBarStyleLightContent;
  std::weak_ptr<UITextField> focused_;
  OrientationsForWindow orientationsForWindow_;
};
