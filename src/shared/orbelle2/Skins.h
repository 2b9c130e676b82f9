#pragma once

#include <array>
#include <string_view>

// The skins a row's slider can wear, by the names the skin preference stores, and the
// seventeen image files they are made of, installed in one folder beside the tweak. The row
// code dresses sliders from these; the artwork generator draws every file named here.
namespace skins {

// "Default iOS" is matched exactly; the Cream skins and the Metal skin by prefix, and among the
// Cream skins "Cream Round" exactly.
inline constexpr std::string_view kDefaultIos = "Default iOS";
inline constexpr std::string_view kCreamPrefix = "Cream";
inline constexpr std::string_view kCreamRound = "Cream Round";
inline constexpr std::string_view kMetalPrefix = "Metal";
// The four skins, as the preferences page offers them.
inline constexpr std::array<std::string_view, 4> kNames{kDefaultIos, kCreamPrefix, kCreamRound,
                                                        kMetalPrefix};

inline constexpr char kFolder[] = "/Library/Application Support/Orbelle 2/";

inline constexpr char kThumbDefault[] = "thumb_default.png";
inline constexpr char kSpeakerQuiet[] = "speaker_quiet.png";
inline constexpr char kSpeakerLoud[] = "speaker_loud.png";
inline constexpr char kThumbCream[] = "thumb_cream.png";
inline constexpr char kThumbCreamActive[] = "thumb_cream_active.png";
inline constexpr char kThumbCreamRect[] = "thumb_cream_rect.png";
inline constexpr char kThumbCreamRectActive[] = "thumb_cream_rect_active.png";
inline constexpr char kSpeakerQuietCream[] = "speaker_quiet_cream.png";
inline constexpr char kSpeakerLoudCream[] = "speaker_loud_cream.png";
inline constexpr char kLeftTrackCream[] = "left_track_cream2@2x.png";
inline constexpr char kRightTrackCream[] = "right_track_cream@2x.png";
inline constexpr char kRightTrackCreamHighlighted[] = "right_track_cream_highlighted.png";
inline constexpr char kThumbMetal[] = "thumb_metal.png";
inline constexpr char kThumbMetalActive[] = "thumb_metal_active.png";
inline constexpr char kLeftTrackMetal[] = "left_track_metal@2x.png";
inline constexpr char kRightTrackMetal[] = "right_track_metal@2x.png";
inline constexpr char kRightTrackMetalHighlighted[] = "right_track_metal_highlighted.png";

inline constexpr std::array<std::string_view, 17> kImageFiles{
    kThumbDefault,
    kSpeakerQuiet,
    kSpeakerLoud,
    kThumbCream,
    kThumbCreamActive,
    kThumbCreamRect,
    kThumbCreamRectActive,
    kSpeakerQuietCream,
    kSpeakerLoudCream,
    kLeftTrackCream,
    kRightTrackCream,
    kRightTrackCreamHighlighted,
    kThumbMetal,
    kThumbMetalActive,
    kLeftTrackMetal,
    kRightTrackMetal,
    kRightTrackMetalHighlighted,
};

// Points at each end of a track image that are never stretched.
inline constexpr double kTrackCapInset = 9;

}  // namespace skins
