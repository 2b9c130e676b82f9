#pragma once

#include <functional>
#include <memory>
#include <string>

#include "UIKit/UIWindow.h"

class UILabel;
class UIView;

// The lock screen, and the display's backlight. The lock screen is a window over every app and
// under the status bar, showing the wallpaper through it, a large clock with the date under it, and
// at the bottom either "Press home to unlock" (a model with a Home button) or the home indicator,
// from which a finger drawn up `unlock`s (a model without one).
class SBLockScreenController {
 public:
  // Over the apps and the home screen, under the status bar (which shows the padlock over it).
  static constexpr UIWindowLevel kWindowLevel = UIWindowLevelStatusBar - 10;
  static constexpr char kWindowClass[] = "SBCoverSheetWindow";
  // With the backlight off nothing shows and no touch lands: a black window over every other
  // takes them all.
  static constexpr UIWindowLevel kDarkLevel = 10000000;
  static constexpr char kDarkWindowClass[] = "SBBacklightOffWindow";

  SBLockScreenController(bool homeButton, std::function<void()> unlock);

  const std::shared_ptr<UIWindow>& window() const { return window_; }
  // Shows it (again) with the status bar's time, and today's date or, for a pinned time, the
  // date that goes with it; or hides it.
  void show(const std::string& time, bool pinned);
  void hide();
  void setBacklightOn(bool on) { dark_->setHidden(on); }
  bool isBacklightOn() const { return dark_->isHidden(); }
  const std::shared_ptr<UIWindow>& darkWindow() const { return dark_; }

 private:
  std::shared_ptr<UIWindow> window_;
  std::shared_ptr<UIWindow> dark_;
  std::shared_ptr<UILabel> time_;
  std::shared_ptr<UILabel> date_;
};
