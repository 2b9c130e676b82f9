#pragma once

#include <string>

#include "CoreFoundation/CFNotificationCenter.h"
#include "objc/runtime.h"

// What runs when the library is loaded into SpringBoard: the HUD hook, the preferences
// observer, the blur preference.
void tweakInit();

// SpringBoard's own _HUDIsDisplayableForCategory:, filled in when the hook is installed.
extern bool (*origHUDIsDisplayableForCategory)(id self, SEL selector, const std::string* category);

// Replaces VolumeControl's _HUDIsDisplayableForCategory: while the popup is shown.
bool hookedHUDIsDisplayableForCategory(id self, SEL selector, const std::string* category);

void preferencesChangedCallback(CFNotificationCenterRef center, void* observer, CFStringRef name,
                                const void* object, CFDictionaryRef userInfo);

// Refreshes enableBackgroundBlur from the preferences file (YES without file or key).
void loadBlurPreference();
