#include "CoreFoundation/CFNotificationCenter.h"

#include "DarwinNotifyCenter.h"

struct __CFNotificationCenter {};

namespace {
__CFNotificationCenter darwinCenter;
}

CFNotificationCenterRef CFNotificationCenterGetDarwinNotifyCenter() {
  return &darwinCenter;
}

void CFNotificationCenterAddObserver(CFNotificationCenterRef center, const void* observer,
                                     CFNotificationCallback callback, CFStringRef name,
                                     const void* /*object*/,
                                     CFNotificationSuspensionBehavior /*suspensionBehavior*/) {
  if (center != &darwinCenter || name == nullptr) return;
  DarwinNotifyCenter::shared().addObserver(observer, callback, name);
}

void CFNotificationCenterRemoveObserver(CFNotificationCenterRef center, const void* observer,
                                        CFStringRef name, const void* /*object*/) {
  if (center != &darwinCenter) return;
  // An observer that goes at exit, after the centre, has nothing left to leave.
  if (auto* live = DarwinNotifyCenter::ifAlive()) live->removeObserver(observer, name ? name : "");
}

void CFNotificationCenterPostNotification(CFNotificationCenterRef center, CFStringRef name,
                                          const void* /*object*/, CFDictionaryRef /*userInfo*/,
                                          bool /*deliverImmediately*/) {
  if (center == &darwinCenter && name != nullptr) DarwinNotifyCenter::shared().post(name);
}
