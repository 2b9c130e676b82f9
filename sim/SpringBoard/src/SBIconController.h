#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "SBIconView.h"
#include "UIKit/UIWindow.h"

// The home screen: a window at the normal level, under every app's, holding rows of app icons
// and the dock at the bottom on its light plate. The wallpaper is the screen's own, behind all
// windows. An icon's tap asks `open` for its app by name.
class SBIconController {
 public:
  explicit SBIconController(std::function<void(const std::string&)> open);

  const std::shared_ptr<UIWindow>& window() const { return window_; }
  // Gives the named app's icon its image (a device path), when the app has one.
  void setIconImage(const std::string& name, const std::string& path);
  std::shared_ptr<SBIconView> iconNamed(const std::string& name) const;

 private:
  std::shared_ptr<UIWindow> window_;
};
