#include "Celestial/AVSystemController.h"

#include <algorithm>
#include <cmath>

#include "Foundation/NSNotificationCenter.h"

namespace {

struct InitialCategory {
  const char* name;
  float volume;
  const char* route;
};

// What a device has after boot: ringer and media on the loudspeaker, calls on the receiver.
constexpr InitialCategory kInitialCategories[] = {
    {"Ringtone", 0.5f, "Speaker"},       {"Audio/Video", 0.5f, "Speaker"},
    {"HeadsetBT", 0.5f, "BluetoothHFP"}, {"HeadphonesBT", 0.5f, "BluetoothA2DPOutput"},
    {"PhoneCall", 0.75f, "Receiver"},    {"VideoConference", 0.75f, "Speaker"},
    {"Alarm", 0.5f, "Speaker"},
};

}  // namespace

AVSystemController::AVSystemController() {
  reset();
}

std::shared_ptr<AVSystemController> AVSystemController::sharedAVSystemController() {
  static const auto shared = std::make_shared<AVSystemController>();
  return shared;
}

void AVSystemController::reset() {
  categories_.clear();
  for (const auto& initial : kInitialCategories) {
    categories_.emplace(initial.name, CategoryState{initial.volume, initial.route});
  }
}

bool AVSystemController::getVolume(float& volume, std::string_view category) const {
  const auto found = categories_.find(category);
  if (found == categories_.end()) return false;
  volume = found->second.volume;
  return true;
}

bool AVSystemController::setVolumeTo(float volume, std::string_view category) {
  const auto found = categories_.find(category);
  if (found == categories_.end() || std::isnan(volume)) return false;
  const float clamped = std::clamp(volume, 0.0f, 1.0f);
  found->second.volume = clamped;
  postVolumeChange(found->first, clamped);
  return true;
}

void AVSystemController::postVolumeChange(const std::string& category, float volume) {
  PlistValue::Dictionary userInfo{
      {AVSystemController_EffectiveVolumeNotificationParameter_Category, category},
      {AVSystemController_EffectiveVolumeNotificationParameter_Volume, static_cast<double>(volume)},
  };
  NSNotificationCenter::defaultCenter().postNotificationName(
      AVSystemController_EffectiveVolumeDidChangeNotification, this, std::move(userInfo));
}

std::optional<std::string> AVSystemController::routeForCategory(std::string_view category) const {
  const auto found = categories_.find(category);
  if (found == categories_.end()) return std::nullopt;
  return found->second.route;
}

bool AVSystemController::setRoute(std::string_view category, std::optional<std::string> route) {
  const auto found = categories_.find(category);
  if (found == categories_.end()) return false;
  if (found->second.route == route) return true;
  found->second.route = std::move(route);
  // The volume in effect is the new route's: listeners hear of it as of any other change.
  postVolumeChange(found->first, found->second.volume);
  return true;
}

std::vector<std::string> AVSystemController::knownCategories() const {
  std::vector<std::string> names;
  for (const auto& [name, state] : categories_) names.push_back(name);
  return names;
}
