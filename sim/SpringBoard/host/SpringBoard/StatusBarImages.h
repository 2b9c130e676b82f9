#pragma once

// SpringBoard's status bar glyphs: where the system keeps them on a device, and their files.
namespace status_bar_images {

inline constexpr char kFolder[] = "/System/Library/CoreServices/SpringBoard.app/";
inline constexpr char kPlay[] = "StatusBarPlay.png";
inline constexpr char kHeadphones[] = "StatusBarHeadphones.png";
inline constexpr char kBluetooth[] = "StatusBarBluetooth.png";
inline constexpr char kPadlock[] = "StatusBarLock.png";
// Each glyph's size in points.
inline constexpr int kWidth = 14;
inline constexpr int kHeight = 14;

}  // namespace status_bar_images
