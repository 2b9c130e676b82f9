#include "Activator/LAActivator.h"
#include "popup/OrbelleActivatorPopup.h"

void OrbelleActivatorPopup::load() {
  if (!LASharedActivator->hasSeenListenerWithName(kListenerName)) {
    LASharedActivator->assignEvent(*LAEvent::eventWithName("libactivator.volume.up.hold.short"),
                                   kListenerName);
    LASharedActivator->assignEvent(*LAEvent::eventWithName("libactivator.volume.display-tap"),
                                   kListenerName);
  }
  if (LASharedActivator->isRunningInsideSpringBoard()) {
    LASharedActivator->registerListener(std::make_shared<OrbelleActivatorPopup>(), kListenerName);
  }
}

namespace {

// The class-load step: the runtime runs it when the library is loaded, before the library's
// own constructors.
__attribute__((constructor(101))) void loadOrbelleActivatorPopup() {
  OrbelleActivatorPopup::load();
}

}  // namespace
