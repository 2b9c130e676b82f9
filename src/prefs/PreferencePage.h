#pragma once

#include <string>

#include "Foundation/PlistValue.h"

// The tweak's page in the Settings app, as the preference loader finds it: a loader entry that
// links to the preferences bundle, and the bundle's Root.plist, a list of specifiers over every
// key of the preferences file. Both are made from the key, skin and colour tables.
namespace preference_page {

inline constexpr char kLoaderEntry[] = "/Library/PreferenceLoader/Preferences/Orbelle2.plist";
inline constexpr char kBundleFolder[] = "/Library/PreferenceBundles/Orbelle2Prefs.bundle/";
inline constexpr char kBundleName[] = "Orbelle2Prefs";
inline constexpr char kRootPlistName[] = "Root.plist";
inline constexpr char kInfoPlistName[] = "Info.plist";
inline constexpr char kBundleIdentifier[] = "com.zentrik.orbelle2.prefs";
// The page's controller, the bundle's principal class, which loads Root.plist.
inline constexpr char kRootController[] = "OB2RootListController";
inline constexpr char kIconName[] = "Orbelle2.png";
inline constexpr int kIconSide = 29;  // points, as Settings shows an entry's icon
inline constexpr char kLabel[] = "Orbelle 2";
// The bundle's own controller for the category list, which the page links to.
inline constexpr char kCategoryEditor[] = "OB2CategoryListController";
inline constexpr char kCategoryEditorTitle[] = "Categories";

std::string rootPlistPath();
std::string infoPlistPath();

// The loader entry: a dictionary whose "entry" is the link cell to the bundle.
PlistValue loaderEntry();
// Info.plist: the bundle's executable and principal class, by which the loader opens it.
PlistValue bundleInfo();
// Root.plist: the page's title and its items, a group at a time.
PlistValue rootPage();

}  // namespace preference_page
