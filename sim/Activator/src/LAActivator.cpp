#include "Activator/LAActivator.h"

#include <algorithm>

#include "Foundation/NSBundle.h"
#include "Foundation/PropertyListFile.h"
#include "SimDevice/DeviceRoot.h"

namespace {

constexpr char kSettingsPath[] = "/var/mobile/Library/Caches/libactivator.plist";
constexpr char kSpringBoard[] = "com.apple.springboard";

std::string seenKey(const std::string& listener) {
  return "LAHasSeenListener-" + listener;
}

std::string assignmentKey(const std::string& mode, const std::string& event) {
  return "LAEventListener(" + mode + ")-" + event;
}

}  // namespace

LAActivator& LAActivator::shared() {
  static LAActivator activator;
  return activator;
}

const std::vector<std::string>& LAActivator::availableEventModes() {
  static const std::vector<std::string> modes{LAEventModeSpringBoard, LAEventModeLockScreen,
                                              LAEventModeApplication};
  return modes;
}

// Read from the device on first use, and again whenever the device root has changed.
PlistValue::Dictionary& LAActivator::settings() {
  const std::string root = DeviceRoot::path().string();
  if (root != loadedFromRoot_) {
    settings_ = PropertyListFile::readDictionary(kSettingsPath).value_or(PlistValue::Dictionary());
    loadedFromRoot_ = root;
  }
  return settings_;
}

void LAActivator::save() {
  PropertyListFile::write(PlistValue(settings()), kSettingsPath);
}

bool LAActivator::hasSeenListenerWithName(const std::string& name) {
  const auto found = settings().find(seenKey(name));
  return found != settings().end() && found->second.boolValue().value_or(false);
}

void LAActivator::assignEvent(const LAEvent& event, const std::string& listenerName) {
  const std::vector<std::string> modes =
      event.mode().empty() ? availableEventModes() : std::vector<std::string>{event.mode()};
  for (const auto& mode : modes) settings()[assignmentKey(mode, event.name())] = listenerName;
  save();
}

void LAActivator::unassignEvent(const LAEvent& event) {
  const std::vector<std::string> modes =
      event.mode().empty() ? availableEventModes() : std::vector<std::string>{event.mode()};
  for (const auto& mode : modes) settings().erase(assignmentKey(mode, event.name()));
  save();
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
  listeners_[name] = std::move(listener);
  settings()[seenKey(name)] = true;
  save();
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
