#include "prefs/PreferencesObserver.h"

#include "orbelle2/PreferenceFiles.h"

PreferencesObserver::PreferencesObserver(std::function<void()> changed)
    : changed_(std::move(changed)) {
  CFNotificationCenterAddObserver(CFNotificationCenterGetDarwinNotifyCenter(), this, &heard,
                                  kPreferencesChangedNotification, nullptr,
                                  CFNotificationSuspensionBehaviorCoalesce);
}

PreferencesObserver::~PreferencesObserver() {
  CFNotificationCenterRemoveObserver(CFNotificationCenterGetDarwinNotifyCenter(), this,
                                     kPreferencesChangedNotification, nullptr);
}

void PreferencesObserver::heard(CFNotificationCenterRef, void* observer, CFStringRef, const void*,
                                CFDictionaryRef) {
  static_cast<PreferencesObserver*>(observer)->changed_();
}
