#include "SpringBoard/SpringBoard.h"

#include "Activator/LAActivator.h"
#include "Foundation/NSBundle.h"
#include "SimDevice/SystemLog.h"
#include "SpringBoard/VolumeControl.h"

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
  return MobileLoader::loadTweaksForBundle(kBundleIdentifier);
}

bool SpringBoard::sendActivatorEvent(const std::string& name) {
  const auto event = LAEvent::eventWithName(name, eventMode_);
  return LASharedActivator->sendEventToListener(*event);
}
