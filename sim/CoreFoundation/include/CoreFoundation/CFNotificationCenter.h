#pragma once

// Core Foundation's notification centres, as far as the system uses them: the Darwin centre,
// whose notifications (a name, nothing more) reach every observing process on the device.
// Delivery is asynchronous: an observer's callback runs from its process's main run loop.

struct __CFNotificationCenter;
using CFNotificationCenterRef = __CFNotificationCenter*;
using CFStringRef = const char*;
using CFDictionaryRef = const void*;
#define CFSTR(text) (text)

using CFNotificationCallback = void (*)(CFNotificationCenterRef center, void* observer,
                                        CFStringRef name, const void* object,
                                        CFDictionaryRef userInfo);

enum CFNotificationSuspensionBehavior : long {
  CFNotificationSuspensionBehaviorDrop = 1,
  CFNotificationSuspensionBehaviorCoalesce = 2,
  CFNotificationSuspensionBehaviorHold = 3,
  CFNotificationSuspensionBehaviorDeliverImmediately = 4,
};

CFNotificationCenterRef CFNotificationCenterGetDarwinNotifyCenter();

// Darwin observers are told the name only: object and user info are always null.
void CFNotificationCenterAddObserver(CFNotificationCenterRef center, const void* observer,
                                     CFNotificationCallback callback, CFStringRef name,
                                     const void* object,
                                     CFNotificationSuspensionBehavior suspensionBehavior);
// Takes back the observer's registration for `name` (null: for every name). A callback not yet
// made to it is not made.
void CFNotificationCenterRemoveObserver(CFNotificationCenterRef center, const void* observer,
                                        CFStringRef name, const void* object);
void CFNotificationCenterPostNotification(CFNotificationCenterRef center, CFStringRef name,
                                          const void* object, CFDictionaryRef userInfo,
                                          bool deliverImmediately);
