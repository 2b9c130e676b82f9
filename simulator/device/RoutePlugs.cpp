#include "device/RoutePlugs.h"

#include <algorithm>

#include "Celestial/AVSystemController.h"
#include "Celestial/AudioHardware.h"

namespace {

constexpr char kSpeaker[] = "Speaker";
constexpr char kReceiver[] = "Receiver";

void setRoute(const std::string& category, const std::optional<std::string>& route,
              std::vector<std::string>& lines) {
  AudioHardware::setRoute(category, route);
  lines.push_back(category + " " + route.value_or("-"));
}

}  // namespace

RoutePlugs::Moved RoutePlugs::plugIn(const std::string& route,
                                     const std::vector<std::string>& takenFrom,
                                     std::vector<std::string>& lines) {
  const auto controller = AVSystemController::sharedAVSystemController();
  Moved moved;
  for (const auto& category : AudioHardware::knownCategories()) {
    const auto now = controller->routeForCategory(category);
    if (!now || std::find(takenFrom.begin(), takenFrom.end(), *now) == takenFrom.end()) continue;
    moved.emplace(category, now);
    setRoute(category, route, lines);
  }
  return moved;
}

// A category that another route took since, or that someone routed elsewhere, stays.
void RoutePlugs::unplug(const std::string& route, const Moved& moved,
                        std::vector<std::string>& lines) {
  const auto controller = AVSystemController::sharedAVSystemController();
  for (const auto& [category, before] : moved) {
    if (controller->routeForCategory(category) == route) setRoute(category, before, lines);
  }
}

std::vector<std::string> RoutePlugs::setHeadphones(bool in) {
  std::vector<std::string> lines{in ? "headphones in" : "headphones out"};
  if (in == headphonesIn()) return lines;
  if (in) {
    wired_ = plugIn(kWiredRoute, {kSpeaker, kReceiver}, lines);
    return lines;
  }
  unplug(kWiredRoute, *wired_, lines);
  // What Bluetooth took from the headphones goes back where the headphones found it.
  if (bluetooth_) {
    for (auto& [category, before] : *bluetooth_) {
      const auto wired = wired_->find(category);
      if (before == kWiredRoute && wired != wired_->end()) before = wired->second;
    }
  }
  wired_.reset();
  return lines;
}

std::vector<std::string> RoutePlugs::setBluetooth(bool on) {
  std::vector<std::string> lines{on ? "bluetooth on" : "bluetooth off"};
  if (on == bluetoothOn()) return lines;
  if (on) {
    bluetooth_ = plugIn(kBluetoothRoute, {kSpeaker, kReceiver, kWiredRoute}, lines);
    return lines;
  }
  unplug(kBluetoothRoute, *bluetooth_, lines);
  bluetooth_.reset();
  return lines;
}
