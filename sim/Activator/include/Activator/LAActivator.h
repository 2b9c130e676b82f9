#pragma once

#include <functional>
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
// Every process's Activator reads that file, and writes it whole under its write claim, then
// posts kSettingsChangedNotification; each one reads it again when it hears that, so that an
// assignment made in Settings holds in SpringBoard at once.
// The listeners registered in SpringBoard are described (title, description, modes) to the
// other processes through "/var/mobile/Library/Caches/libactivator.listeners.plist", which
// SpringBoard's Activator writes as they register: on a phone that question goes to SpringBoard
// over Activator's own IPC.
class LAActivator {
 public:
  static constexpr char kSettingsChangedNotification[] = "libactivator.settings.changed";

  static LAActivator& shared();
  // The file changed in another process: read it again at the next question.
  void settingsChangedElsewhere();

  bool hasSeenListenerWithName(const std::string& name);
  // In the event's mode, or in all three modes when it has none.
  void assignEvent(const LAEvent& event, const std::string& listenerName);
  void unassignEvent(const LAEvent& event);
  // In the event's mode, "springboard" when it has none.
  std::optional<std::string> assignedListenerNameForEvent(const LAEvent& event);

  bool isRunningInsideSpringBoard() const;

  // Activator's own start in SpringBoard (on a phone, its library loading there): what it told
  // other processes of an earlier SpringBoard's listeners no longer holds.
  void springBoardDidLaunch();

  // Activator keeps the listener for the life of the process.
  void registerListener(std::shared_ptr<LAListener> listener, const std::string& name);
  std::shared_ptr<LAListener> listenerForName(const std::string& name) const;

  // Hands the event to the listener assigned to it in its mode, if that listener is registered
  // and runs in that mode. Answers whether the event ended up handled.
  bool sendEventToListener(LAEvent& event);

  // The modes every event exists in.
  static const std::vector<std::string>& availableEventModes();
  // The events Activator knows, in the order its settings list them, with their groups and
  // titles as it shows them; and each mode's title.
  static std::vector<std::string> availableEventNames();
  static std::string localizedTitleForEventName(const std::string& name);
  static std::string localizedGroupForEventName(const std::string& name);
  static std::string localizedTitleForEventMode(const std::string& mode);

  // The listeners registered in SpringBoard, by name, and what each says of itself.
  std::vector<std::string> availableListenerNames();
  std::string localizedTitleForListenerName(const std::string& name);
  std::string localizedDescriptionForListenerName(const std::string& name);
  std::vector<std::string> compatibleEventModesForListenerWithName(const std::string& name);

 private:
  const PlistValue::Dictionary& settings();
  // Reads the file afresh under its write claim, lets `edit` change it, and writes it back.
  void change(const std::function<void(PlistValue::Dictionary&)>& edit);
  void describe(const std::string& name, LAListener& listener);
  // One thing a listener registered in SpringBoard said of itself (`key` of its entry).
  const PlistValue* listenerInfo(const std::string& name, const char* key);
  void forget();

  std::map<std::string, std::shared_ptr<LAListener>> listeners_;
  std::optional<PlistValue::Dictionary> settings_;  // nothing: to be read
  std::string loadedFromRoot_;
  PlistValue::Dictionary listenersRead_;
  bool observing_ = false;
};

// Activator's shared instance, as tweaks reach it.
#define LASharedActivator (&LAActivator::shared())
