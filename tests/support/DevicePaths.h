#pragma once

// Where the system's files are on a device, spelled out here rather than taken from the
// system's own header, so that a wrong path there fails the tests.
namespace device_paths {
inline constexpr char kPrefs[] = "/var/mobile/Library/Preferences/com.zentrik.orbelle2.plist";
inline constexpr char kList[] =
    "/var/mobile/Library/Preferences/com.zentrik.orbelle2.categories.plist";
inline constexpr char kKeptList[] =
    "/var/mobile/Library/Preferences/com.zentrik.orbelle2.categories.plist.corrupt";
inline constexpr char kActivatorSettings[] = "/var/mobile/Library/Caches/libactivator.plist";
inline constexpr char kSkins[] = "/Library/Application Support/Orbelle 2/";
}  // namespace device_paths
