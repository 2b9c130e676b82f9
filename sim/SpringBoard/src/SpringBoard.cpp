#include "SpringBoard/SpringBoard.h"

#include <algorithm>

#include "Activator/LAActivator.h"
#include "Foundation/NSBundle.h"
#include "Foundation/ProcessSetup.h"
#include "SBIconController.h"
#include "SimDevice/SystemLog.h"
#include "SpringBoard/VolumeButtons.h"
#include "SpringBoard/VolumeControl.h"
#include "StatusBar.h"
#include "UIKit/UIViewController.h"

SpringBoard& SpringBoard::shared() {
  static SpringBoard springBoard;
  return springBoard;
}

MobileLoader::Result SpringBoard::boot() {
  if (booted_) return {};
  booted_ = true;
  ProcessSetup::setBundleIdentifier(kBundleIdentifier);
  SystemLog::setProcessName("SpringBoard");
  VolumeControl::sharedVolumeControl();  // registers the class before any tweak looks for it
  homeScreen_ = std::make_shared<SBIconController>(
      [](const std::string& name) { SpringBoard::shared().launchApplication(name); });
  for (const auto& application : applications_) {
    homeScreen_->setIconImage(application.displayName, application.iconPath);
  }
  statusBar_ = StatusBar::make();
  return MobileLoader::loadTweaksForBundle(kBundleIdentifier);
}

void SpringBoard::installApplication(SBApplication application) {
  if (homeScreen_) homeScreen_->setIconImage(application.displayName, application.iconPath);
  applications_.push_back(std::move(application));
}

std::optional<NSUInteger> SpringBoard::frontApplicationOrientations() const {
  for (const auto& app : applications_) {
    if (!front_.empty() && app.displayName == front_) return app.supportedInterfaceOrientations;
  }
  return std::nullopt;
}

bool SpringBoard::launchApplication(const std::string& name) {
  const auto found =
      std::find_if(applications_.begin(), applications_.end(),
                   [&](const SBApplication& app) { return app.displayName == name; });
  if (found == applications_.end()) return false;
  if (!front_.empty() && front_ != name) pressHomeButton();
  front_ = name;
  eventMode_ = LAEventModeApplication;
  if (found->launch) found->launch();
  UIViewController::attemptRotationToDeviceOrientation();  // the status bar stands as it does
  return true;
}

void SpringBoard::pressHomeButton() {
  const auto found =
      std::find_if(applications_.begin(), applications_.end(),
                   [&](const SBApplication& app) { return app.displayName == front_; });
  front_.clear();
  eventMode_ = LAEventModeSpringBoard;
  if (found != applications_.end() && found->close) found->close();
  UIViewController::attemptRotationToDeviceOrientation();
}

void SpringBoard::applicationDidExit(const std::string& name) {
  if (front_ != name) return;
  front_.clear();
  eventMode_ = LAEventModeSpringBoard;
  UIViewController::attemptRotationToDeviceOrientation();
}

bool SpringBoard::isSystemWindow(const UIWindow& window) const {
  return (homeScreen_ && homeScreen_->window().get() == &window) ||
         (statusBar_ && statusBar_->window().get() == &window);
}

void SpringBoard::setStatusBarTime(std::optional<std::string> time) {
  if (statusBar_) statusBar_->setPinnedTime(std::move(time));
}

std::string SpringBoard::statusBarTime() const {
  return statusBar_ ? statusBar_->time() : std::string();
}

VolumeButtons::Hold SpringBoard::holdVolumeButton(VolumeButton button) {
  auto& buttons = VolumeButtons::shared();
  buttons.down(button);
  const auto hold = buttons.held(button).value_or(VolumeButtons::Hold{false, std::nullopt});
  [[maybe_unused]] const auto noPressAfterAHold = buttons.up(button);
  return hold;
}

bool SpringBoard::sendActivatorEvent(const std::string& name) {
  const auto event = LAEvent::eventWithName(name, eventMode_);
  return LASharedActivator->sendEventToListener(*event);
}
