#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Celestial/AVSystemController.h"

// The simulated world's side of the media server, which no app reaches: audio moving to another
// output as a plug goes in or a device connects, the categories it knows, and the state a freshly
// booted device has.
class AudioHardware {
 public:
  // The volume a category has on a route it has not used yet.
  static constexpr float kFirstVolumeOnNewRoute = AVSystemController::kFirstVolumeOnNewRoute;

  // A category's audio moves to `route` (false for an unknown category). A new route posts the
  // route notification and, when its volume differs from the old one's, the change notification
  // with the volume now in effect (reason: a route change).
  static bool setRoute(std::string_view category, std::optional<std::string> route) {
    return AVSystemController::sharedAVSystemController()->setRoute(category, std::move(route));
  }
  static std::vector<std::string> knownCategories() {
    return AVSystemController::sharedAVSystemController()->knownCategories();
  }
  // Back to the volumes and routes a freshly booted device has; changes not yet posted are
  // dropped.
  static void reset() { AVSystemController::sharedAVSystemController()->reset(); }
};
