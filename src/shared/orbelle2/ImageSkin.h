#pragma once

#include <array>
#include <cstdint>

#include "orbelle2/Skins.h"

// The files "Default iOS" dresses a slider in; its colours come from the preferences.
struct PlainSkin {
  const char* thumb;
  const char* minimumValue;
  const char* maximumValue;

  constexpr std::array<const char*, 3> files() const { return {thumb, minimumValue, maximumValue}; }
};

// A skin made of images: the label's colour and the slider's files, applied in this order.
struct ImageSkin {
  struct Rgb8 {
    std::uint8_t red, green, blue;
  };
  Rgb8 text;
  const char* thumb;
  const char* thumbHighlighted;
  const char* minimumValue;
  const char* maximumValue;
  const char* minimumTrack;
  const char* maximumTrack;
  const char* maximumTrackHighlighted;

  // The files, in the order they are applied.
  constexpr std::array<const char*, 7> files() const {
    return {thumb,        thumbHighlighted, minimumValue,           maximumValue,
            minimumTrack, maximumTrack,     maximumTrackHighlighted};
  }

  static constexpr Rgb8 kCreamText{214, 192, 159};
  static constexpr Rgb8 kMetalText{184, 184, 184};
};

namespace skins {

inline constexpr PlainSkin kDefaultIosSkin{kThumbDefault, kSpeakerQuiet, kSpeakerLoud};

inline constexpr ImageSkin kCreamRoundSkin{
    ImageSkin::kCreamText, kThumbCream,     kThumbCreamActive, kSpeakerQuietCream,
    kSpeakerLoudCream,     kLeftTrackCream, kRightTrackCream,  kRightTrackCreamHighlighted};
inline constexpr ImageSkin kCreamSkin{
    ImageSkin::kCreamText, kThumbCreamRect, kThumbCreamRectActive, kSpeakerQuietCream,
    kSpeakerLoudCream,     kLeftTrackCream, kRightTrackCream,      kRightTrackCreamHighlighted};
inline constexpr ImageSkin kMetalSkin{
    ImageSkin::kMetalText, kThumbMetal,     kThumbMetalActive, kSpeakerQuiet,
    kSpeakerLoud,          kLeftTrackMetal, kRightTrackMetal,  kRightTrackMetalHighlighted};

}  // namespace skins
