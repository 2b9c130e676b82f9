// Where an item's value is kept: its defaults domain through CFPreferences, or the
// controller's own get and set methods.
#include "CoreFoundation/CFNotificationCenter.h"
#include "CoreFoundation/CFPreferences.h"
#include "Preferences/PSListController.h"

PlistValue PSListController::readPreferenceValue(const PSSpecifier& specifier) const {
  const PlistValue* fallback = specifier.value("default");
  const std::string domain = specifier.defaults();
  if (!domain.empty()) {
    if (auto stored = CFPreferencesCopyAppValue(specifier.key().c_str(), domain.c_str())) {
      return std::move(*stored);
    }
  }
  return fallback ? *fallback : PlistValue();
}

void PSListController::setPreferenceValue(PlistValue value, const PSSpecifier& specifier) {
  const std::string domain = specifier.defaults();
  if (domain.empty()) return;
  CFPreferencesSetAppValue(specifier.key().c_str(), value, domain.c_str());
  CFPreferencesAppSynchronize(domain.c_str());
  const std::string posted = specifier.property("PostNotification");
  if (!posted.empty()) {
    CFNotificationCenterPostNotification(CFNotificationCenterGetDarwinNotifyCenter(),
                                         posted.c_str(), nullptr, nullptr, true);
  }
}

void PSListController::change(const PSSpecifier& specifier, PlistValue value) {
  const std::string selector = specifier.property("set");
  if (selector.empty()) return setPreferenceValue(std::move(value), specifier);
  const auto found = setters_.find(selector);
  if (found == setters_.end()) {
    return logOnce(specifier.label() + ": the controller has no method " + selector);
  }
  found->second(std::move(value), specifier);
}

PlistValue PSListController::valueOf(const PSSpecifier& specifier) {
  const std::string selector = specifier.property("get");
  if (selector.empty()) return readPreferenceValue(specifier);
  const auto found = getters_.find(selector);
  if (found == getters_.end()) {
    logOnce(specifier.label() + ": the controller has no method " + selector);
    const PlistValue* fallback = specifier.value("default");
    return fallback ? *fallback : PlistValue();
  }
  return found->second(specifier);
}
