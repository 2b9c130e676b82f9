#pragma once

#include "Foundation/PlistValue.h"

// A specifier list as a tweak of another kind ships one: every cell type and key the framework
// reads, writing to the domain "com.example.battery" and posting kChanged.
namespace example_specifiers {

inline constexpr char kDomain[] = "com.example.battery";
inline constexpr char kChanged[] = "com.example.battery/changed";
inline constexpr char kPath[] = "/var/mobile/Library/Preferences/com.example.battery.plist";

// The items, one row of each kind, in this order after the first group: Enabled (switch),
// Style (link list over numbers 0-2), Label (edit text), Passcode (secure), Size (slider 10-30,
// 4 steps), Position (segment), Version (static text), Build (title value), Reset (button with a
// confirmation), Refresh (button whose action the controller lacks), Locked (disabled switch),
// Cellular (telephony only), Split View (iPad only), Mystery (an unknown cell type), Fancy (a
// cell class nobody installed), Advanced (a link to the framework's own page).
PlistValue::Array items();

}  // namespace example_specifiers
