#include "Activator/LAEvent.h"

std::shared_ptr<LAEvent> LAEvent::eventWithName(std::string name) {
  return std::make_shared<LAEvent>(std::move(name), std::string());
}

std::shared_ptr<LAEvent> LAEvent::eventWithName(std::string name, std::string mode) {
  return std::make_shared<LAEvent>(std::move(name), std::move(mode));
}
