#include "popup/OB2RootViewController.h"

#include "UIKit/UIButton.h"
#include "popup/PanelPlacement.h"
#include "popup/PopupState.h"

NSUInteger OB2RootViewController::supportedInterfaceOrientations() const {
  return UIInterfaceOrientationMaskAll;
}

bool OB2RootViewController::shouldAutorotate() const {
  return true;
}

bool OB2RootViewController::shouldAutorotateToInterfaceOrientation(NSInteger) const {
  return true;
}

void OB2RootViewController::viewDidLayoutSubviews() {
  const auto& root = view();
  if (popupView && root->isAncestorOf(*popupView)) {
    PanelPlacement::fit(*root, popupView);
  }
}

bool OB2RootViewController::accessibilityPerformEscape() {
  for (const auto& subview : view()->subviews()) {
    if (auto* close = dynamic_cast<UIButton*>(subview.get())) {
      close->sendActionsForControlEvents(UIControlEventTouchUpInside);
      return true;
    }
  }
  return false;
}
