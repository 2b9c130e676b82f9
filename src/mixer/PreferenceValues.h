#pragma once

#include <string>

#include "Foundation/PlistValue.h"
#include "UIKit/UIColor.h"
#include "orbelle2/PreferenceKeys.h"

// Reading one key of the preferences dictionary. A missing key, or a value of a type that does
// not convert (an array under a boolean key, a number under a text key), gives the key's
// fallback.
namespace preference_values {

bool read(const PlistValue::Dictionary& prefs, const BooleanPreference& key);
std::string read(const PlistValue::Dictionary& prefs, const TextPreference& key);
UIColor read(const PlistValue::Dictionary& prefs, const ColorPreference& key);
// The index of the colour table that `read` takes the colour from: white's for an index outside
// the table.
std::int64_t colorIndex(const PlistValue::Dictionary& prefs, const ColorPreference& key);

}  // namespace preference_values
