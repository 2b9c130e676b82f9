#include "SpringBoard/SpringBoard.h"

#include <algorithm>
#include <utility>

#include "Activator/LAActivator.h"
#include "CoreFoundation/CFNotificationCenter.h"
#include "Foundation/NSBundle.h"
#include "Foundation/ProcessSetup.h"
#include "SBIconController.h"
#include "SBLockScreenController.h"
#include "SBSystemListener.h"
#include "SimDevice/ProcessRestart.h"
#include "SimDevice/SystemLog.h"
#include "SpringBoard/VolumeButtons.h"
#include "SpringBoard/VolumeControl.h"
#include "StatusBar.h"
#include "UIKit/UIViewController.h"

SpringBoard& SpringBoard::shared() {
  static SpringBoard springBoard;
  static const bool forgotten = (ProcessRestart::onRestart([] { springBoard.forget(); }), true);
  (void)forgotten;
  return springBoard;
}

void SpringBoard::forget() {
  booted_ = false;
  statusBar_.reset();
  homeScreen_.reset();
  lockScreen_.reset();
  front_.clear();
  inBackgroundWhileLocked_.clear();
  lockState_ = SBLockState::Unlocked;
}

MobileLoader::Result SpringBoard::respring() {
  for (const auto& application : applications_) {
    if (application.quit) application.quit();
  }
  ProcessRestart::restart();
  const auto stuck = MobileLoader::unloadTweaks();
  auto loaded = boot();
  // It comes back on the lock screen, as a phone's does.
  lock();
  wake();
  loaded.failed.insert(loaded.failed.begin(), stuck.begin(), stuck.end());
  return loaded;
}

MobileLoader::Result SpringBoard::boot() {
  if (booted_) return {};
  booted_ = true;
  ProcessSetup::setBundleIdentifier(kBundleIdentifier);
  SystemLog::setProcessName("SpringBoard");
  VolumeControl::sharedVolumeControl();  // registers the class before any tweak looks for it
  LASharedActivator->springBoardDidLaunch();
  SBSystemListener::registerAll();
  putUpWindows();
  return MobileLoader::loadTweaksForBundle(kBundleIdentifier);
}

// The home screen, the status bar, and the lock screen, hidden until the device locks.
void SpringBoard::putUpWindows() {
  homeScreen_ = std::make_shared<SBIconController>(
      [](const std::string& name) { SpringBoard::shared().launchApplication(name); });
  for (const auto& application : applications_) {
    homeScreen_->setIconImage(application.displayName, application.iconPath);
  }
  statusBar_ = StatusBar::make();
  statusBar_->setPinnedTime(pinnedTime_);
  lockScreen_ =
      std::make_shared<SBLockScreenController>(homeButton_, [] { SpringBoard::shared().unlock(); });
  statusBar_->setOnTimeChange([this] {
    if (lockState_ != SBLockState::Unlocked) {
      lockScreen_->show(statusBarTime(), pinnedTime_.has_value());
    }
  });
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

std::string SpringBoard::eventMode() const {
  if (lockState_ != SBLockState::Unlocked) return LAEventModeLockScreen;
  return front_.empty() ? LAEventModeSpringBoard : LAEventModeApplication;
}

bool SpringBoard::launchApplication(const std::string& name) {
  const auto found =
      std::find_if(applications_.begin(), applications_.end(),
                   [&](const SBApplication& app) { return app.displayName == name; });
  if (found == applications_.end() || lockState_ != SBLockState::Unlocked) return false;
  if (!front_.empty() && front_ != name) pressHomeButton();
  front_ = name;
  if (found->launch) found->launch();
  UIViewController::attemptRotationToDeviceOrientation();  // the status bar stands as it does
  screenChanged();
  return true;
}

void SpringBoard::pressHomeButton() {
  if (lockState_ == SBLockState::Dark) return wake();
  if (lockState_ == SBLockState::LockScreen) {
    unlock();
    return;
  }
  const auto found =
      std::find_if(applications_.begin(), applications_.end(),
                   [&](const SBApplication& app) { return app.displayName == front_; });
  front_.clear();
  if (found != applications_.end() && found->close) found->close();
  UIViewController::attemptRotationToDeviceOrientation();
  if (found != applications_.end()) screenChanged();
}

void SpringBoard::applicationDidExit(const std::string& name) {
  if (inBackgroundWhileLocked_ == name) inBackgroundWhileLocked_.clear();
  if (front_ != name) return;
  front_.clear();
  UIViewController::attemptRotationToDeviceOrientation();
}

bool SpringBoard::isSystemWindow(const UIWindow& window) const {
  return (homeScreen_ && homeScreen_->window().get() == &window) ||
         (statusBar_ && statusBar_->window().get() == &window) ||
         (lockScreen_ &&
          (lockScreen_->window().get() == &window || lockScreen_->darkWindow().get() == &window));
}

void SpringBoard::setStatusBarTime(std::optional<std::string> time) {
  pinnedTime_ = std::move(time);
  if (statusBar_) statusBar_->setPinnedTime(pinnedTime_);
}

void SpringBoard::pressSideButton() {
  if (lockState_ == SBLockState::Dark) return wake();
  lock();
}

void SpringBoard::lock() {
  if (lockState_ == SBLockState::Dark || !booted_) return;
  if (lockState_ == SBLockState::Unlocked && !front_.empty()) {
    // The app goes to the background; it comes back to the front on unlock.
    inBackgroundWhileLocked_ = front_;
    pressHomeButton();
  }
  lockState_ = SBLockState::Dark;
  homeScreen_->window()->setHidden(true);
  lockScreen_->show(statusBarTime(), pinnedTime_.has_value());
  lockScreen_->setBacklightOn(false);
  lockStateChanged();
}

void SpringBoard::wake() {
  if (lockState_ != SBLockState::Dark) return;
  lockState_ = SBLockState::LockScreen;
  lockScreen_->show(statusBarTime(), pinnedTime_.has_value());
  lockScreen_->setBacklightOn(true);
  lockStateChanged();
  screenChanged();
}

bool SpringBoard::unlock() {
  if (lockState_ != SBLockState::LockScreen) return false;
  lockState_ = SBLockState::Unlocked;
  lockScreen_->hide();
  homeScreen_->window()->setHidden(false);
  lockStateChanged();
  if (const auto resumed = std::exchange(inBackgroundWhileLocked_, {}); !resumed.empty()) {
    launchApplication(resumed);
  } else {
    screenChanged();
  }
  return true;
}

// What the screen shows is another: VoiceOver's cursor goes to its first element.
void SpringBoard::screenChanged() {
  UIAccessibilityPostNotification(UIAccessibilityScreenChangedNotification, nullptr);
}

void SpringBoard::lockStateChanged() {
  statusBar_->setLocked(lockState_ != SBLockState::Unlocked);
  CFNotificationCenterPostNotification(CFNotificationCenterGetDarwinNotifyCenter(),
                                       kLockStateNotification, nullptr, nullptr, true);
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
  if (!isDisplayOn()) return false;
  const auto event = LAEvent::eventWithName(name, eventMode());
  return LASharedActivator->sendEventToListener(*event);
}
