#pragma once

#include <memory>

#include "UIKit/UIViewController.h"

// What turns SpringBoard's own windows: the home screen of an iPad or of a Plus-sized iPhone
// turns with the device; on the other iPhones and the iPod touch it stays upright. The status
// bar stands as the home screen does, or, while an app is in front, as the app may. A root view
// controller of no content of its own.
class SBHomeScreenOrientation : public UIViewController {
 public:
  enum class Window { HomeScreen, StatusBar };

  explicit SBHomeScreenOrientation(Window window);
  NSUInteger supportedInterfaceOrientations() const override;

 private:
  Window window_;
};
