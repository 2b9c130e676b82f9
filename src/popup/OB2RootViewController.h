#pragma once

#include "UIKit/UIViewController.h"

// The popup window's root controller: it lets the popup turn with the device, every way, and
// once turned places the panel again so that each row stays within reach.
class OB2RootViewController : public UIViewController {
 public:
  NSUInteger supportedInterfaceOrientations() const override;
  bool shouldAutorotate() const override;
  bool shouldAutorotateToInterfaceOrientation(NSInteger orientation) const override;
  void viewDidLayoutSubviews() override;
  // VoiceOver's escape gesture closes the popup, as a tap on the close button does.
  bool accessibilityPerformEscape() override;
};
