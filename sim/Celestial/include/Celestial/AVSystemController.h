#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Foundation/PlistValue.h"

// Posted on the default notification centre, by the controller, after every volume it is told
// to set and every route change that changes the volume in effect: not at once, but on a
// following turn of the main run loop, as the media server's answer comes back on a device.
inline constexpr char AVSystemController_EffectiveVolumeDidChangeNotification[] =
    "AVSystemController_EffectiveVolumeDidChangeNotification";
// userInfo: the category that changed (a string) and its new volume (a real, 0.0 to 1.0).
inline constexpr char AVSystemController_EffectiveVolumeNotificationParameter_Category[] =
    "AVSystemController_EffectiveVolumeNotificationParameter_Category";
inline constexpr char AVSystemController_EffectiveVolumeNotificationParameter_Volume[] =
    "AVSystemController_EffectiveVolumeNotificationParameter_Volume";
// userInfo: why the volume changed, one of the two reasons below.
inline constexpr char AVSystemController_EffectiveVolumeNotificationParameter_VolumeChangeReason[] =
    "AVSystemController_EffectiveVolumeNotificationParameter_VolumeChangeReason";
inline constexpr char AVSystemController_ExplicitVolumeChange[] = "ExplicitVolumeChange";
inline constexpr char AVSystemController_RouteChange[] = "RouteChange";

// Posted the same way after every change of a category's route, whatever it does to the volume;
// userInfo: the category, under the change notification's category key.
inline constexpr char AVSystemController_ActiveAudioRouteDidChangeNotification[] =
    "AVSystemController_ActiveAudioRouteDidChangeNotification";

// The system's audio controller: a route per audio category, and a volume per category and
// route, so that a category's volume in effect is the one it has on its current route. A route
// a category has not used yet starts at a volume of its own (AudioHardware's
// kFirstVolumeOnNewRoute). One instance per process.
// Categories it does not know have no volume and no route.
class AVSystemController : public std::enable_shared_from_this<AVSystemController> {
 public:
  static std::shared_ptr<AVSystemController> sharedAVSystemController();

  // True, with the volume (0.0 to 1.0) in `volume`, for a category it knows.
  bool getVolume(float& volume, std::string_view category) const;

  // Clamps to 0.0..1.0, sets it for the category's current route and posts the change
  // notification (reason: an explicit change). A NaN or an unknown category is refused: false,
  // nothing changes and nothing is posted.
  bool setVolumeTo(float volume, std::string_view category);

  std::optional<std::string> routeForCategory(std::string_view category) const;

  AVSystemController();

 private:
  friend class AudioHardware;  // the host's, the world outside the device
  static constexpr float kFirstVolumeOnNewRoute = 0.375f;
  // The simulated world's side: audio moving to another output (false for an unknown
  // category; a new route posts the route notification, and, when its volume differs from the
  // old one's, the change notification with the volume now in effect, reason: a route change),
  // the categories known.
  bool setRoute(std::string_view category, std::optional<std::string> route);
  std::vector<std::string> knownCategories() const;

  // Back to the volumes and routes a freshly booted device has; changes not yet posted are
  // dropped.
  void reset();

  void postVolumeChange(const std::string& category, float volume, const char* reason);
  // Posts on a following turn of the main run loop, unless a reset comes first.
  void postLater(const char* name, PlistValue::Dictionary userInfo);

  struct CategoryState {
    std::optional<std::string> route;
    std::map<std::string, float> volumeByRoute;  // no route keeps its volume under ""
    float& volume();                             // on the current route
  };
  std::map<std::string, CategoryState, std::less<>> categories_;
  unsigned long resets_ = 0;  // a post made before the latest reset is dropped
};
