#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Posted on the default notification centre, by the controller, after every volume change.
inline constexpr char AVSystemController_EffectiveVolumeDidChangeNotification[] =
    "AVSystemController_EffectiveVolumeDidChangeNotification";
// userInfo: the category that changed (a string) and its new volume (a real, 0.0 to 1.0).
inline constexpr char AVSystemController_EffectiveVolumeNotificationParameter_Category[] =
    "AVSystemController_EffectiveVolumeNotificationParameter_Category";
inline constexpr char AVSystemController_EffectiveVolumeNotificationParameter_Volume[] =
    "AVSystemController_EffectiveVolumeNotificationParameter_Volume";

// The system's audio controller: one volume and one route per audio category. One instance
// per process. Categories it does not know have no volume and no route.
class AVSystemController {
 public:
  static std::shared_ptr<AVSystemController> sharedAVSystemController();

  // True, with the volume (0.0 to 1.0) in `volume`, for a category it knows.
  bool getVolume(float& volume, std::string_view category) const;

  // Clamps to 0.0..1.0 and posts the change notification. A NaN or an unknown category is
  // refused: false, nothing changes and nothing is posted.
  bool setVolumeTo(float volume, std::string_view category);

  std::optional<std::string> routeForCategory(std::string_view category) const;

  // The simulated world's side: audio moving to another output (false for an unknown
  // category; a new route posts the change notification with the volume now in effect), the
  // categories known.
  bool setRoute(std::string_view category, std::optional<std::string> route);
  std::vector<std::string> knownCategories() const;

  // Back to the volumes and routes a freshly booted device has.
  void reset();

  AVSystemController();

 private:
  void postVolumeChange(const std::string& category, float volume);

  struct CategoryState {
    float volume;
    std::optional<std::string> route;
  };
  std::map<std::string, CategoryState, std::less<>> categories_;
};
