#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "Activator/LAEvent.h"
#include "Activator/LAListener.h"
#include "Foundation/PlistValue.h"

// Binds events to listeners. Assignments and the names of the listeners it has met persist in
// the device's "/var/mobile/Library/Caches/libactivator.plist", as the real framework keeps
// them: "LAHasSeenListener-<name>" once a listener of that name registered, and
// "LAEventListener(<mode>)-<event>" naming the listener an event is assigned to in a mode.
class LAActivator {
 public:
  static LAActivator& shared();

  bool hasSeenListenerWithName(const std::string& name);
  // In the event's mode, or in all three modes when it has none.
  void assignEvent(const LAEvent& event, const std::string& listenerName);
  void unassignEvent(const LAEvent& event);
  std::optional<std::string> assignedListenerNameForEvent(const LAEvent& event);

  bool isRunningInsideSpringBoard() const;

  // Activator keeps the listener for the life of the process.
  void registerListener(std::shared_ptr<LAListener> listener, const std::string& name);
  std::shared_ptr<LAListener> listenerForName(const std::string& name) const;

  // Hands the event to the listener assigned to it in its mode, if that listener is registered
  // and runs in that mode. Answers whether the event ended up handled.
  bool sendEventToListener(LAEvent& event);

  // The modes every event exists in.
  static const std::vector<std::string>& availableEventModes();

 private:
  PlistValue::Dictionary& settings();
  void save();

  std::map<std::string, std::shared_ptr<LAListener>> listeners_;
  PlistValue::Dictionary settings_;
  std::string loadedFromRoot_;
};

// Activator's shared instance, as tweaks reach it.
#define LASharedActivator (&LAActivator::shared())
