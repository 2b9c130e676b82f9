#pragma once

#include <string>

#include "Foundation/PlistValue.h"
#include "orbelle2/PreferencePageNames.h"

// The tweak's page in the Settings app, as the preference loader finds it: a loader entry that
// links to the preferences bundle, and the bundle's Root.plist, a list of specifiers over every
// key of the preferences file. Both are made from the key, skin and colour tables, and named as
// PreferencePageNames has it.
namespace preference_page {

std::string rootPlistPath();
std::string infoPlistPath();

// The loader entry: a dictionary whose "entry" is the link cell to the bundle.
PlistValue loaderEntry();
// Info.plist: the bundle's executable and principal class, by which the loader opens it.
PlistValue bundleInfo();
// Root.plist: the page's title and its items, a group at a time.
PlistValue rootPage();

}  // namespace preference_page
