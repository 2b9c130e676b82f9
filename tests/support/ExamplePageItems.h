#pragma once

#include "Foundation/PlistValue.h"

// A specifier list as a tweak of another kind ships one: every cell type and key the framework
// reads, writing to the domain "com.example.battery" and posting kChanged.
namespace example_page_items {

inline constexpr char kDomain[] = "com.example.battery";
inline constexpr char kChanged[] = "com.example.battery/changed";
inline constexpr char kPath[] = "/var/mobile/Library/Preferences/com.example.battery.plist";

// The items, one row of each kind, in this order after the first group: Enabled (switch),
// Style (link list over numbers 0-2), Label (edit text), Passcode (secure), Size (slider 10-30,
// 4 steps), Theme (a link list whose choices come from the controller's data sources,
// "themeValues:" and "themeTitles:"), Position (segment), Version (static text), Build (title
// value), Reset (button with a confirmation, action "resetAll:"), Refresh (button, action
// "refresh:"), Locked (disabled switch), Cellular (telephony only), Split View (iPad only), Mystery
// (an unknown cell type), Fancy (a cell class nobody installed), Advanced (a link to the
// framework's own page).
PlistValue::Array items();

// The example bundle: its folder on the device, its executable's name, and its controller's
// class, whose "refresh:" logs "EX: refreshed" and whose theme data sources offer "dark" and
// "light".
inline constexpr char kBundleFolder[] = "/Library/PreferenceBundles/ExamplePrefs.bundle/";
inline constexpr char kBundleName[] = "ExamplePrefs";
inline constexpr char kController[] = "EXRootListController";
inline constexpr char kRefreshed[] = "EX: refreshed";
// Installs the built bundle (Info.plist, Root.plist over items(), the executable) on the current
// device root.
void installBundle();

}  // namespace example_page_items
