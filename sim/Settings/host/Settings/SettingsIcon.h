#pragma once

// The Settings app's icon on the home screen, where the system keeps it, in points.
namespace settings_icon {

inline constexpr char kFolder[] = "/Applications/Preferences.app/";
inline constexpr char kFile[] = "AppIcon60x60.png";
inline constexpr int kSide = 60;

}  // namespace settings_icon
