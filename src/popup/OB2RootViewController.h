#pragma once

#include "UIKit/UIViewController.h"

// The popup window's root controller: it lets the popup turn with the device, every way.
class OB2RootViewController : public UIViewController {
 public:
  NSUInteger supportedInterfaceOrientations() const override;
  bool shouldAutorotate() const override;
  bool shouldAutorotateToInterfaceOrientation(NSInteger orientation) const override;
};
