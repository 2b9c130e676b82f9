#include "Foundation/PropertyListFile.h"
#include "mixer/PreferenceValues.h"
#include "orbelle2/PreferenceFiles.h"
#include "popup/PopupState.h"
#include "tweak/Tweak.h"

void loadBlurPreference() {
  const auto prefs = PropertyListFile::readDictionary(kPreferencesPath);
  enableBackgroundBlur = preference_values::read(prefs.value_or(PlistValue::Dictionary()),
                                                 preference_keys::kEnableBackgroundBlur);
}

void preferencesChangedCallback(CFNotificationCenterRef, void*, CFStringRef, const void*,
                                CFDictionaryRef) {
  loadBlurPreference();
}
