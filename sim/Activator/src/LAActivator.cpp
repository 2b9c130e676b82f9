#include "Activator/LAActivator.h"

#include <algorithm>

#include "CoreFoundation/CFNotificationCenter.h"
#include "EventTable.h"
#include "Foundation/NSBundle.h"
#include "Foundation/NSFileCoordinator.h"
#include "Foundation/NSFileManager.h"
#include "Foundation/NSLog.h"
#include "Foundation/PropertyListFile.h"
#include "SimDevice/DeviceRoot.h"
#include "SimDevice/ProcessRestart.h"

namespace {

constexpr char kSettingsPath[] = "/var/mobile/Library/Caches/libactivator.plist";
constexpr char kListenersPath[] = "/var/mobile/Library/Caches/libactivator.listeners.plist";
constexpr char kSpringBoard[] = "com.apple.springboard";
constexpr char kTitle[] = "title";
constexpr char kDescription[] = "description";
constexpr char kModes[] = "compatible-modes";

std::string seenKey(const std::string& listener) {
  return "LAHasSeenListener-" + listener;
}

std::string assignmentKey(const std::string& mode, const std::string& event) {
  return "LAEventListener(" + mode + ")-" + event;
}

std::vector<std::string> modesOf(const LAEvent& event) {
  return event.mode().empty() ? LAActivator::availableEventModes()
                              : std::vector<std::string>{event.mode()};
}

// Reads the file afresh under its write claim, lets `edit` change it and writes it back; a file
// that is there but cannot be read is left as it is, and said.
void rewrite(const char* path, const std::function<void(PlistValue::Dictionary&)>& edit) {
  NSError error;
  const bool claimed = NSFileCoordinator().coordinateWritingItemAtPath(
      path,
      [&] {
        auto stored = PropertyListFile::readDictionary(path, &error);
        if (!stored && NSFileManager::defaultManager().fileExistsAtPath(path)) return;
        if (!stored) stored.emplace();
        edit(*stored);
        if (PropertyListFile::write(PlistValue(std::move(*stored)), path, &error)) {
          error = NSError();
        }
      },
      &error);
  if (!claimed || !error.localizedDescription.empty()) {
    NSLog(std::string("Activator: cannot write ") + path + ": " + error.localizedDescription);
  }
}

void heardSettingsChanged(CFNotificationCenterRef, void*, CFStringRef, const void*,
                          CFDictionaryRef) {
  LAActivator::shared().settingsChangedElsewhere();
}

}  // namespace

LAActivator& LAActivator::shared() {
  static LAActivator activator;
  static const bool forgotten = (ProcessRestart::onRestart([] { activator.forget(); }), true);
  (void)forgotten;
  return activator;
}

// A new process has no listeners registered and has read nothing yet.
void LAActivator::forget() {
  listeners_.clear();
  settings_.reset();
  observing_ = false;
}

void LAActivator::settingsChangedElsewhere() {
  settings_.reset();
}

const std::vector<std::string>& LAActivator::availableEventModes() {
  static const std::vector<std::string> modes{LAEventModeSpringBoard, LAEventModeLockScreen,
                                              LAEventModeApplication};
  return modes;
}

// Read from the device on first use, again after a change anywhere, and whenever the device
// root has changed.
const PlistValue::Dictionary& LAActivator::settings() {
  if (!observing_) {
    observing_ = true;
    CFNotificationCenterAddObserver(CFNotificationCenterGetDarwinNotifyCenter(), this,
                                    heardSettingsChanged, kSettingsChangedNotification, nullptr,
                                    CFNotificationSuspensionBehaviorCoalesce);
  }
  const std::string root = DeviceRoot::path().string();
  if (!settings_ || root != loadedFromRoot_) {
    settings_ = PropertyListFile::readDictionary(kSettingsPath).value_or(PlistValue::Dictionary());
    loadedFromRoot_ = root;
  }
  return *settings_;
}

void LAActivator::change(const std::function<void(PlistValue::Dictionary&)>& edit) {
  rewrite(kSettingsPath, edit);
  settings_.reset();
  CFNotificationCenterPostNotification(CFNotificationCenterGetDarwinNotifyCenter(),
                                       kSettingsChangedNotification, nullptr, nullptr, true);
}

bool LAActivator::hasSeenListenerWithName(const std::string& name) {
  const auto found = settings().find(seenKey(name));
  return found != settings().end() && found->second.boolValue().value_or(false);
}

void LAActivator::assignEvent(const LAEvent& event, const std::string& listenerName) {
  change([&](PlistValue::Dictionary& stored) {
    for (const auto& mode : modesOf(event))
      stored[assignmentKey(mode, event.name())] = listenerName;
  });
}

void LAActivator::unassignEvent(const LAEvent& event) {
  change([&](PlistValue::Dictionary& stored) {
    for (const auto& mode : modesOf(event)) stored.erase(assignmentKey(mode, event.name()));
  });
}

std::optional<std::string> LAActivator::assignedListenerNameForEvent(const LAEvent& event) {
  const std::string mode = event.mode().empty() ? LAEventModeSpringBoard : event.mode();
  const auto found = settings().find(assignmentKey(mode, event.name()));
  if (found == settings().end() || !found->second.asString()) return std::nullopt;
  return *found->second.asString();
}

bool LAActivator::isRunningInsideSpringBoard() const {
  return NSBundle::mainBundle().bundleIdentifier() == kSpringBoard;
}

void LAActivator::registerListener(std::shared_ptr<LAListener> listener, const std::string& name) {
  if (!listener) return;
  describe(name, *listener);
  listeners_[name] = std::move(listener);
  change([&](PlistValue::Dictionary& stored) { stored[seenKey(name)] = true; });
}

void LAActivator::springBoardDidLaunch() {
  rewrite(kListenersPath, [](PlistValue::Dictionary& stored) { stored.clear(); });
}

// Tells the other processes what the listener says of itself.
void LAActivator::describe(const std::string& name, LAListener& listener) {
  PlistValue::Array modes;
  for (auto& mode : listener.requiresCompatibleEventModesForListenerWithName(this, name)) {
    modes.emplace_back(std::move(mode));
  }
  PlistValue::Dictionary info{
      {kTitle, PlistValue(listener.requiresLocalizedTitleForListenerName(this, name))},
      {kDescription, PlistValue(listener.requiresLocalizedDescriptionForListenerName(this, name))},
      {kModes, PlistValue(std::move(modes))},
  };
  rewrite(kListenersPath, [&](PlistValue::Dictionary& stored) { stored[name] = std::move(info); });
}

std::shared_ptr<LAListener> LAActivator::listenerForName(const std::string& name) const {
  const auto found = listeners_.find(name);
  return found == listeners_.end() ? nullptr : found->second;
}

bool LAActivator::sendEventToListener(LAEvent& event) {
  const auto name = assignedListenerNameForEvent(event);
  const auto listener = name ? listenerForName(*name) : nullptr;
  if (!listener) return event.isHandled();
  const std::string mode = event.mode().empty() ? LAEventModeSpringBoard : event.mode();
  const auto modes = listener->requiresCompatibleEventModesForListenerWithName(this, *name);
  if (std::find(modes.begin(), modes.end(), mode) == modes.end()) return event.isHandled();
  listener->receiveEvent(this, event);
  return event.isHandled();
}

std::vector<std::string> LAActivator::availableEventNames() {
  std::vector<std::string> names;
  for (const auto& event : event_table::all()) names.emplace_back(event.name);
  return names;
}

std::string LAActivator::localizedTitleForEventName(const std::string& name) {
  const auto* event = event_table::find(name);
  return event ? std::string(event->title) : name;
}

std::string LAActivator::localizedGroupForEventName(const std::string& name) {
  const auto* event = event_table::find(name);
  return event ? std::string(event->group) : std::string();
}

std::string LAActivator::localizedTitleForEventMode(const std::string& mode) {
  for (const auto& each : event_table::modes()) {
    if (each.name == mode) return std::string(each.title);
  }
  return mode;
}

std::vector<std::string> LAActivator::availableListenerNames() {
  std::vector<std::string> names;
  const auto stored = PropertyListFile::readDictionary(kListenersPath);
  if (!stored) return names;
  for (const auto& [name, info] : *stored) {
    if (info.asDictionary()) names.push_back(name);
  }
  return names;
}

const PlistValue* LAActivator::listenerInfo(const std::string& name, const char* key) {
  // Read each time: SpringBoard rewrites it as listeners register.
  listenersRead_ =
      PropertyListFile::readDictionary(kListenersPath).value_or(PlistValue::Dictionary());
  const auto found = listenersRead_.find(name);
  return found == listenersRead_.end() ? nullptr : found->second.objectForKey(key);
}

std::string LAActivator::localizedTitleForListenerName(const std::string& name) {
  if (const auto listener = listenerForName(name)) {
    return listener->requiresLocalizedTitleForListenerName(this, name);
  }
  const auto* title = listenerInfo(name, kTitle);
  return title && title->asString() ? *title->asString() : name;
}

std::string LAActivator::localizedDescriptionForListenerName(const std::string& name) {
  if (const auto listener = listenerForName(name)) {
    return listener->requiresLocalizedDescriptionForListenerName(this, name);
  }
  const auto* description = listenerInfo(name, kDescription);
  return description && description->asString() ? *description->asString() : std::string();
}

std::vector<std::string> LAActivator::compatibleEventModesForListenerWithName(
    const std::string& name) {
  if (const auto listener = listenerForName(name)) {
    return listener->requiresCompatibleEventModesForListenerWithName(this, name);
  }
  std::vector<std::string> modes;
  const auto* stored = listenerInfo(name, kModes);
  if (const auto* list = stored ? stored->asArray() : nullptr) {
    for (const auto& mode : *list) {
      if (mode.asString()) modes.push_back(*mode.asString());
    }
  }
  return modes;
}
