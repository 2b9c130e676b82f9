#include "support/RecordingVolumeController.h"

#include <sstream>

std::shared_ptr<RecordingVolumeController> RecordingVolumeController::install() {
  auto recorder = std::make_shared<RecordingVolumeController>();
  SystemVolumeController::replaceShared(recorder);
  return recorder;
}

RecordingVolumeController::~RecordingVolumeController() = default;

void RecordingVolumeController::uninstall() {
  SystemVolumeController::replaceShared(real_);
}

bool RecordingVolumeController::getVolume(float& volume, const std::string& category) {
  calls.push_back("get " + category);
  return real_->getVolume(volume, category);
}

void RecordingVolumeController::setVolumeTo(float volume, const std::string& category) {
  std::ostringstream call;
  call << "set " << category << " " << volume;
  calls.push_back(call.str());
  real_->setVolumeTo(volume, category);
}

std::optional<std::string> RecordingVolumeController::routeForCategory(
    const std::string& category) {
  calls.push_back("route " + category);
  return real_->routeForCategory(category);
}
