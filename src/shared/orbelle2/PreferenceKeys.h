#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>
#include <variant>

#include "orbelle2/ColorNames.h"
#include "orbelle2/Skins.h"

// The keys of the preferences file, with the title the preferences page gives each, the type
// the preferences bundle stores under it, the value an absent key stands for, and what reads it.
// The panel's settings, the tweak's blur preference and the tools that write the file all take them
// from here.
struct BooleanPreference {
  std::string_view name;
  std::string_view title;
  bool fallback;
  std::string_view readBy;
};
struct TextPreference {
  std::string_view name;
  std::string_view title;
  std::string_view fallback;
  std::string_view readBy;
  std::span<const std::string_view> choices;  // the only values a writer stores
};
struct ColorPreference {
  std::string_view name;
  std::string_view title;
  std::int64_t fallback;  // an index of the colour table
  std::string_view readBy;
};
using PreferenceKey = std::variant<BooleanPreference, TextPreference, ColorPreference>;

namespace preference_keys {

inline constexpr BooleanPreference kEnableDebugLogging{"enableDebugLogging", "Debug Logging", false,
                                                       "the panel's \"OB: \" log lines"};
inline constexpr BooleanPreference kBindRingerAndAV{
    "bindRingerAndAV", "Link Ringer and Media", false,
    "ringtone and audio/video rows follow each other"};
inline constexpr BooleanPreference kDisplayPercentage{"displayPercentage", "Show Percentages", true,
                                                      "labels show the volume in percent"};
inline constexpr TextPreference kSelectedSkin{"selectedSkin", "Skin", skins::kDefaultIos,
                                              "the sliders' skin", skins::kNames};
inline constexpr ColorPreference kThumbTintColor{"thumbTintColor", "Thumb", color_index::kWhite,
                                                 "thumb tint, \"Default iOS\" only"};
inline constexpr ColorPreference kTextColor{"textColor", "Text", color_index::kWhite,
                                            "label colour, \"Default iOS\" only"};
inline constexpr ColorPreference kMinimumTrackTintColor{
    "minimumTrackTintColor", "Track Left of the Thumb", color_index::kRed,
    "track left of the thumb, \"Default iOS\" only"};
inline constexpr ColorPreference kMaximumTrackTintColor{
    "maximumTrackTintColor", "Track Right of the Thumb", color_index::kWhite,
    "track right of the thumb, \"Default iOS\" only"};
inline constexpr BooleanPreference kEnableBackgroundBlur{
    "enableBackgroundBlur", "Blur the Background", true,
    "the popup's blurred background (read by the tweak)"};

// Every key: the panel's in the order it reads them, then the one the tweak reads apart.
inline constexpr std::array<PreferenceKey, 9> kAll{
    kEnableDebugLogging,    kBindRingerAndAV,       kDisplayPercentage,
    kSelectedSkin,          kThumbTintColor,        kTextColor,
    kMinimumTrackTintColor, kMaximumTrackTintColor, kEnableBackgroundBlur,
};

// The key of that name; null for a key the tweak does not read.
inline const PreferenceKey* find(std::string_view name) {
  for (const auto& key : kAll) {
    if (std::visit([](const auto& known) { return known.name; }, key) == name) return &key;
  }
  return nullptr;
}

}  // namespace preference_keys
