#pragma once

#include <string>
#include <string_view>

#include "Foundation/PlistValue.h"
#include "UIKit/UIColor.h"

// Reading one key of the preferences dictionary. A missing key, or a value of a type that does
// not convert (an array under a boolean key, a number under a string key), gives `fallback`.
namespace preference_values {

bool boolean(const PlistValue::Dictionary& prefs, std::string_view key, bool fallback);
std::string string(const PlistValue::Dictionary& prefs, std::string_view key,
                   std::string_view fallback);
UIColor color(const PlistValue::Dictionary& prefs, std::string_view key, UIColor fallback);

}  // namespace preference_values
