#pragma once

#include <vector>

#include "Settings/SettingsApp.h"

// The preference loader's entries: every plist under its folder, subfolders too (no link
// followed), that holds an "entry", ordered by label.
namespace loader_entries {

std::vector<SettingsApp::Entry> read();

}  // namespace loader_entries
