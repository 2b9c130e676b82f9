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

void CFNotificationCenterRemoveEveryObserver(CFNotificationCenterRef center, const void* observer) {
  if (center == &darwinCenter) DarwinNotifyCenter::shared().removeEveryObserver(observer);
}

void CFNotificationCenterPostNotification(CFNotificationCenterRef center, CFStringRef name,
                                          const void* /*object*/, CFDictionaryRef /*userInfo*/,
                                          bool /*deliverImmediately*/) {
  if (center == &darwinCenter && name != nullptr) DarwinNotifyCenter::shared().post(name);
}
