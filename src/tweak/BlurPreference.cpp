#include "Foundation/PropertyListFile.h"
#include "mixer/PreferenceFiles.h"
#include "mixer/PreferenceValues.h"
#include "popup/PopupState.h"
#include "tweak/Tweak.h"

void loadBlurPreference() {
  const auto prefs = PropertyListFile::readDictionary(kPreferencesPath);
  enableBackgroundBlur =
      prefs ? preference_values::boolean(*prefs, "enableBackgroundBlur", true) : true;
}

void preferencesChangedCallback(CFNotificationCenterRef, void*, CFStringRef, const void*,
                                CFDictionaryRef) {
  loadBlurPreference();
}
