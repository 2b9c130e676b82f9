#pragma once

#include <memory>

#include "UIKit/UIViewController.h"

// What turns SpringBoard's own windows (the home screen, the status bar over it): the home
// screen of an iPad or of a Plus-sized iPhone turns with the device; on the other iPhones and
// the iPod touch it stays upright. A root view controller of no content of its own.
class SBHomeScreenOrientation : public UIViewController {
 public:
  SBHomeScreenOrientation();
  NSUInteger supportedInterfaceOrientations() const override;
};
