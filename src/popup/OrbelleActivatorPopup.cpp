#include "popup/OrbelleActivatorPopup.h"

#include "Activator/LAActivator.h"
#include "UIKit/UIAccessibility.h"
#include "UIKit/UIButton.h"
#include "UIKit/UIVisualEffectView.h"
#include "mixer/CategoryList.h"
#include "popup/OB2RootViewController.h"
#include "popup/PanelPlacement.h"
#include "popup/PopupState.h"

namespace {

constexpr unsigned kFlexibleSize =
    UIViewAutoresizingFlexibleWidth | UIViewAutoresizingFlexibleHeight;
constexpr unsigned kFlexibleMargins =
    UIViewAutoresizingFlexibleLeftMargin | UIViewAutoresizingFlexibleRightMargin |
    UIViewAutoresizingFlexibleTopMargin | UIViewAutoresizingFlexibleBottomMargin;

// At most 350 points wide, leaving at least 25 on each side; 50 a row plus 40; centred.
// Computed in single precision.
CGRect panelFrame(CGRect windowFrame, NSInteger rows) {
  const float windowWidth = static_cast<float>(windowFrame.size.width);
  const float windowHeight = static_cast<float>(windowFrame.size.height);
  const float width = windowWidth - 50.0f < 350.0f ? windowWidth - 50.0f : 350.0f;
  const float height = 50.0f * static_cast<float>(rows) + 40.0f;
  return CGRectMake((windowWidth - width) / 2.0f, (windowHeight - height) / 2.0f, width, height);
}

}  // namespace

void OrbelleActivatorPopup::receiveEvent(LAActivator*, LAEvent& event) {
  popupWindow = std::make_shared<UIWindow>();
  popupWindow->setWindowLevel(UIWindowLevelAlert + 2.0);
  popupWindow->setHidden(true);
  popupWindow->setAlpha(0.9);
  popupWindow->setBackgroundColor(UIColor::clearColor());

  auto controller = std::make_shared<OB2RootViewController>();
  auto rootView = std::make_shared<UIView>(popupWindow->bounds());
  rootView->setAutoresizingMask(kFlexibleSize);
  controller->setView(rootView);
  popupWindow->addSubview(rootView);
  popupWindow->setRootViewController(controller);

  if (!UIAccessibilityIsReduceTransparencyEnabled() && enableBackgroundBlur) {
    addBlurredBackground(*rootView);
  }
  addCloseButton(*popupWindow);
  addPanel(*popupWindow, visibleCategoriesCount());
  popupWindow->makeKeyAndVisible();
  event.setHandled(true);
}

void OrbelleActivatorPopup::addBlurredBackground(UIView& rootView) {
  rootView.setBackgroundColor(UIColor::clearColor());
  auto blur =
      std::make_shared<UIVisualEffectView>(UIBlurEffect::effectWithStyle(UIBlurEffectStyleDark));
  blur->setFrame(rootView.bounds());
  blur->setAutoresizingMask(kFlexibleSize);
  rootView.addSubview(blur);
}

void OrbelleActivatorPopup::addCloseButton(UIWindow& window) {
  auto button = UIButton::buttonWithType(UIButtonTypeCustom);
  button->setAutoresizingMask(kFlexibleSize);
  button->addTarget(shared_from_this(), &OrbelleActivatorPopup::close, UIControlEventTouchUpInside);
  button->setFrame(window.bounds());
  button->setBackgroundColor(UIColor::blackColor());
  button->setAlpha(0.1);
  window.rootViewController()->view()->addSubview(button);
}

void OrbelleActivatorPopup::addPanel(UIWindow& window, NSInteger rows) {
  popupView = OrbelleView::initWithFrame(panelFrame(window.frame(), rows));
  popupView->setAutoresizingMask(kFlexibleMargins);
  popupView->layer().setBorderColor(UIColor(1.0, 1.0, 1.0, 0.5).cgColor());
  popupView->layer().setBorderWidth(2.0);
  popupView->layer().setCornerRadius(8.0);
  const auto& rootView = window.rootViewController()->view();
  rootView->addSubview(popupView);
  PanelPlacement::fit(*rootView, popupView, window.bounds().size);
}

NSInteger OrbelleActivatorPopup::visibleCategoriesCount() {
  // Without a list the panel writes the initial one as it builds, all of whose rows show.
  const auto list = CategoryList::read();
  return CategoryList::visibleCount(list ? *list : CategoryList::initial(false));
}

void OrbelleActivatorPopup::close() {
  if (popupView) popupView->removeFromSuperview();
  if (popupWindow) popupWindow->setHidden(true);
  popupWindow.reset();
}

std::string OrbelleActivatorPopup::requiresLocalizedTitleForListenerName(LAActivator*,
                                                                         const std::string&) {
  return "Orbelle 2 popup";
}

std::string OrbelleActivatorPopup::requiresLocalizedDescriptionForListenerName(LAActivator*,
                                                                               const std::string&) {
  return "Pop-up Orbelle 2 controls";
}

std::vector<std::string> OrbelleActivatorPopup::requiresCompatibleEventModesForListenerWithName(
    LAActivator*, const std::string&) {
  return {"springboard", "lockscreen", "application"};
}
