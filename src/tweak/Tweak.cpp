#include "tweak/Tweak.h"

#include "Substrate/substrate.h"
#include "orbelle2/PreferenceFiles.h"

__attribute__((constructor)) void tweakInit() {
  MSHookMessageEx(objc_getClass("VolumeControl"), sel_registerName("_HUDIsDisplayableForCategory:"),
                  reinterpret_cast<IMP>(&hookedHUDIsDisplayableForCategory),
                  reinterpret_cast<IMP*>(&origHUDIsDisplayableForCategory));
  CFNotificationCenterAddObserver(CFNotificationCenterGetDarwinNotifyCenter(), nullptr,
                                  preferencesChangedCallback, kPreferencesChangedNotification,
                                  nullptr, CFNotificationSuspensionBehaviorCoalesce);
  loadBlurPreference();
}
