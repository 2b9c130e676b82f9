#include "tweak/Tweak.h"

#include "Substrate/substrate.h"

extern bool (*origHUDIsDisplayableForCategory)(id self, SEL selector, const std::string* category);

namespace {
constexpr char kPreferencesChanged[] = "com.zentrik.orbelle2.preferencesChanged";
}

__attribute__((constructor)) void tweakInit() {
  MSHookMessageEx(objc_getClass("VolumeControl"), sel_registerName("_HUDIsDisplayableForCategory:"),
                  reinterpret_cast<IMP>(&hookedHUDIsDisplayableForCategory),
                  reinterpret_cast<IMP*>(&origHUDIsDisplayableForCategory));
  CFNotificationCenterAddObserver(CFNotificationCenterGetDarwinNotifyCenter(), nullptr,
                                  preferencesChangedCallback, kPreferencesChanged, nullptr,
                                  CFNotificationSuspensionBehaviorCoalesce);
  loadBlurPreference();
}
