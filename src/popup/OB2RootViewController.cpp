#include "popup/OB2RootViewController.h"

NSUInteger OB2RootViewController::supportedInterfaceOrientations() const {
  return UIInterfaceOrientationMaskAll;
}

bool OB2RootViewController::shouldAutorotate() const {
  return true;
}

bool OB2RootViewController::shouldAutorotateToInterfaceOrientation(NSInteger) const {
  return true;
}
