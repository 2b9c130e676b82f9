#pragma once

#include <functional>

#include "CoreFoundation/CFNotificationCenter.h"

// The bundle's pages follow changes made elsewhere (the tweak's command line, another page) by
// observing the preferences-changed Darwin notification themselves, as a bundle does on a phone:
// the framework only posts it. Registered while this lives; `changed` runs from the run loop.
class PreferencesObserver {
 public:
  explicit PreferencesObserver(std::function<void()> changed);
  ~PreferencesObserver();
  PreferencesObserver(const PreferencesObserver&) = delete;
  PreferencesObserver& operator=(const PreferencesObserver&) = delete;

 private:
  static void heard(CFNotificationCenterRef, void* observer, CFStringRef, const void*,
                    CFDictionaryRef);

  std::function<void()> changed_;
};
