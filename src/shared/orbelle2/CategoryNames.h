#pragma once

#include <array>
#include <string_view>

// The audio categories the panel's own code names: those of the initial list, the ringer and
// media pair the binding couples, and those whose label names the current audio route.
namespace category_names {

inline constexpr char kRingtone[] = "Ringtone";
inline constexpr char kAudioVideo[] = "Audio/Video";
inline constexpr char kHeadsetBT[] = "HeadsetBT";
inline constexpr char kHeadphonesBT[] = "HeadphonesBT";
inline constexpr char kPhoneCall[] = "PhoneCall";
inline constexpr char kVideoConference[] = "VideoConference";

// In the order they are compared.
inline constexpr std::array<std::string_view, 3> kRouteCategories{kAudioVideo, kPhoneCall,
                                                                  kVideoConference};
// A route whose name begins with this is the loudspeaker.
inline constexpr std::string_view kLoudspeakerRoute = "Speaker";

}  // namespace category_names
