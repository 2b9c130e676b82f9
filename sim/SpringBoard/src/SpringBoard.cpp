#include "SpringBoard/SpringBoard.h"

#include "Activator/LAActivator.h"
#include "Foundation/NSBundle.h"
#include "SimDevice/SystemLog.h"
#include "SpringBoard/VolumeButtons.h"
#include "SpringBoard/VolumeControl.h"
#include "StatusBar.h"

SpringBoard& SpringBoard::shared() {
  static SpringBoard springBoard;
  return springBoard;
}

MobileLoader::Result SpringBoard::boot() {
  if (booted_) return {};
  booted_ = true;
  NSBundle::mainBundle().setBundleIdentifier(kBundleIdentifier);
  SystemLog::setProcessName("SpringBoard");
  VolumeControl::sharedVolumeControl();  // registers the class before any tweak looks for it
  statusBar_ = StatusBar::make();
  return MobileLoader::loadTweaksForBundle(kBundleIdentifier);
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
