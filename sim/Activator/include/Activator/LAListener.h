#pragma once

#include <string>
#include <vector>

class LAActivator;
class LAEvent;

// What Activator asks of a listener: to handle an event, and to describe itself.
class LAListener {
 public:
  virtual ~LAListener() = default;
  virtual void receiveEvent(LAActivator* activator, LAEvent& event) = 0;
  virtual std::string requiresLocalizedTitleForListenerName(LAActivator* activator,
                                                            const std::string& listenerName) = 0;
  virtual std::string requiresLocalizedDescriptionForListenerName(
      LAActivator* activator, const std::string& listenerName) = 0;
  virtual std::vector<std::string> requiresCompatibleEventModesForListenerWithName(
      LAActivator* activator, const std::string& listenerName) = 0;
};
