#pragma once

// The two files the preferences bundle writes, at their device paths, and the Darwin
// notification with which it announces a change.
inline constexpr char kPreferencesPath[] =
    "/var/mobile/Library/Preferences/com.zentrik.orbelle2.plist";
inline constexpr char kCategoriesPath[] =
    "/var/mobile/Library/Preferences/com.zentrik.orbelle2.categories.plist";
// Where an unreadable category list is kept before the initial list replaces it.
inline constexpr char kUnreadableCategoriesPath[] =
    "/var/mobile/Library/Preferences/com.zentrik.orbelle2.categories.plist.corrupt";
// The preferences file's domain, as a preferences page names it ("defaults").
inline constexpr char kPreferencesDomain[] = "com.zentrik.orbelle2";
inline constexpr char kPreferencesChangedNotification[] = "com.zentrik.orbelle2.preferencesChanged";
