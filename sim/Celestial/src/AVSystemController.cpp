#include "Celestial/AVSystemController.h"

#include <algorithm>
#include <cmath>

#include "CoreFoundation/CFRunLoop.h"
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
  ++resets_;
  categories_.clear();
  for (const auto& initial : kInitialCategories) {
    categories_.emplace(initial.name,
                        CategoryState{initial.route, {{initial.route, initial.volume}}});
  }
}

float& AVSystemController::CategoryState::volume() {
  return volumeByRoute.try_emplace(route.value_or(""), kFirstVolumeOnNewRoute).first->second;
}

bool AVSystemController::getVolume(float& volume, std::string_view category) const {
  const auto found = categories_.find(category);
  if (found == categories_.end()) return false;
  const auto& state = found->second;
  const auto onRoute = state.volumeByRoute.find(state.route.value_or(""));
  volume = onRoute == state.volumeByRoute.end() ? kFirstVolumeOnNewRoute : onRoute->second;
  return true;
}

bool AVSystemController::setVolumeTo(float volume, std::string_view category) {
  const auto found = categories_.find(category);
  if (found == categories_.end() || std::isnan(volume)) return false;
  const float clamped = std::clamp(volume, 0.0f, 1.0f);
  found->second.volume() = clamped;
  postVolumeChange(found->first, clamped, AVSystemController_ExplicitVolumeChange);
  return true;
}

void AVSystemController::postVolumeChange(const std::string& category, float volume,
                                          const char* reason) {
  PlistValue::Dictionary userInfo{
      {AVSystemController_EffectiveVolumeNotificationParameter_Category, category},
      {AVSystemController_EffectiveVolumeNotificationParameter_Volume, static_cast<double>(volume)},
      {AVSystemController_EffectiveVolumeNotificationParameter_VolumeChangeReason,
       std::string(reason)},
  };
  postLater(AVSystemController_EffectiveVolumeDidChangeNotification, std::move(userInfo));
}

void AVSystemController::postLater(const char* name, PlistValue::Dictionary userInfo) {
  // Held weakly: a controller gone before the run loop turns posts nothing.
  const std::weak_ptr<AVSystemController> weak = weak_from_this();
  CFRunLoop::main().addTimer(
      std::chrono::milliseconds(0), [weak, resets = resets_, name, userInfo = std::move(userInfo)] {
        const auto self = weak.lock();
        if (!self || self->resets_ != resets) return;
        NSNotificationCenter::defaultCenter().postNotificationName(name, self.get(), userInfo);
      });
}

std::optional<std::string> AVSystemController::routeForCategory(std::string_view category) const {
  const auto found = categories_.find(category);
  if (found == categories_.end()) return std::nullopt;
  return found->second.route;
}

bool AVSystemController::setRoute(std::string_view category, std::optional<std::string> route) {
  const auto found = categories_.find(category);
  if (found == categories_.end()) return false;
  auto& state = found->second;
  if (state.route == route) return true;
  const float before = state.volume();
  state.route = std::move(route);
  postLater(AVSystemController_ActiveAudioRouteDidChangeNotification,
            {{AVSystemController_EffectiveVolumeNotificationParameter_Category, found->first}});
  // The volume in effect is the new route's: listeners hear of it when it is another.
  if (state.volume() != before) {
    postVolumeChange(found->first, state.volume(), AVSystemController_RouteChange);
  }
  return true;
}

std::vector<std::string> AVSystemController::knownCategories() const {
  std::vector<std::string> names;
  for (const auto& [name, state] : categories_) names.push_back(name);
  return names;
}
