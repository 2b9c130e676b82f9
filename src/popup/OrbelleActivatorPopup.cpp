#include "popup/OrbelleActivatorPopup.h"

#include "Activator/LAActivator.h"
#include "UIKit/UIAccessibility.h"
#include "UIKit/UIButton.h"
#include "UIKit/UIVisualEffectView.h"
#include "mixer/CategoryList.h"
#include "mixer/PanelMetrics.h"
#include "popup/OB2RootViewController.h"
#include "popup/PanelPlacement.h"
#include "popup/PopupState.h"

namespace {

constexpr unsigned kFlexibleSize =
    UIViewAutoresizingFlexibleWidth | UIViewAutoresizingFlexibleHeight;
constexpr unsigned kFlexibleMargins =
    UIViewAutoresizingFlexibleLeftMargin | UIViewAutoresizingFlexibleRightMargin |
    UIViewAutoresizingFlexibleTopMargin | UIViewAutoresizingFlexibleBottomMargin;

CGRect panelFrame(CGRect windowFrame, NSInteger rows) {
  namespace metrics = panel_metrics;
  const float windowWidth = static_cast<float>(windowFrame.size.width);
  const float windowHeight = static_cast<float>(windowFrame.size.height);
  const float width = metrics::width(windowWidth);
  const float height = metrics::height(static_cast<float>(rows));
  return CGRectMake(metrics::centred(windowWidth, width), metrics::centred(windowHeight, height),
                    width, height);
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
  const auto closeButton = addCloseButton(*popupWindow);
  addPanel(*popupWindow, visibleCategoriesCount());
  // VoiceOver stays in the popup, reads the panel before the way out, and starts at its top.
  rootView->setAccessibilityViewIsModal(true);
  rootView->setAccessibilityElements({popupView, closeButton});
  popupWindow->makeKeyAndVisible();
  UIAccessibilityPostNotification(UIAccessibilityScreenChangedNotification, popupView);
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

std::shared_ptr<UIButton> OrbelleActivatorPopup::addCloseButton(UIWindow& window) {
  auto button = UIButton::buttonWithType(UIButtonTypeCustom);
  button->setAccessibilityLabel(kCloseLabel);
  // VoiceOver's double tap lands at the top edge, clear of the panel in the middle.
  button->setAccessibilityActivationPoint(CGPoint{window.bounds().size.width / 2, 1});
  button->setAutoresizingMask(kFlexibleSize);
  button->addTarget(shared_from_this(), &OrbelleActivatorPopup::close, UIControlEventTouchUpInside);
  button->setFrame(window.bounds());
  button->setBackgroundColor(UIColor::blackColor());
  button->setAlpha(0.1);
  window.rootViewController()->view()->addSubview(button);
  return button;
}

void OrbelleActivatorPopup::addPanel(UIWindow& window, NSInteger rows) {
  popupView = OrbelleView::initWithFrame(panelFrame(window.frame(), rows));
  popupView->setAutoresizingMask(kFlexibleMargins);
  popupView->layer().setBorderColor(UIColor(1.0, 1.0, 1.0, 0.5).cgColor());
  popupView->layer().setBorderWidth(2.0);
  popupView->layer().setCornerRadius(8.0);
  const auto& rootView = window.rootViewController()->view();
  rootView->addSubview(popupView);
  PanelPlacement::fit(*rootView, popupView);
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
  // VoiceOver's cursor goes back to what the popup covered.
  UIAccessibilityPostNotification(UIAccessibilityScreenChangedNotification, nullptr);
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
  return {LAEventModeSpringBoard, LAEventModeLockScreen, LAEventModeApplication};
}
