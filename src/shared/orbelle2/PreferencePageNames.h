#pragma once

// Where the tweak's page in the Settings app is installed and what it is called: the loader
// entry, the preferences bundle, its controllers, its icon and the titles a person taps.
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

}  // namespace preference_page
