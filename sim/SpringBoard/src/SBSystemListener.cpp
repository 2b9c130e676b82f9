#include "SBSystemListener.h"

#include "Activator/LAActivator.h"
#include "SpringBoard/SpringBoard.h"

void SBSystemListener::receiveEvent(LAActivator*, LAEvent& event) {
  action_();
  event.setHandled(true);
}

std::vector<std::string> SBSystemListener::requiresCompatibleEventModesForListenerWithName(
    LAActivator*, const std::string&) {
  return LAActivator::availableEventModes();
}

void SBSystemListener::registerAll() {
  LASharedActivator->registerListener(
      std::make_shared<SBSystemListener>("Sleep Button", "Press the sleep/wake button",
                                         [] { SpringBoard::shared().pressSideButton(); }),
      "libactivator.system.sleepbutton");
  LASharedActivator->registerListener(
      std::make_shared<SBSystemListener>("Home Button", "Press the Home button",
                                         [] { SpringBoard::shared().pressHomeButton(); }),
      "libactivator.system.homebutton");
}
