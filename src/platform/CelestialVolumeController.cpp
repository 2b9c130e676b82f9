#include "platform/CelestialVolumeController.h"

CelestialVolumeController::CelestialVolumeController(std::shared_ptr<AVSystemController> controller)
    : controller_(std::move(controller)) {
}

bool CelestialVolumeController::getVolume(float& volume, const std::string& category) {
  return controller_->getVolume(volume, category);
}

void CelestialVolumeController::setVolumeTo(float volume, const std::string& category) {
  controller_->setVolumeTo(volume, category);
}

std::optional<std::string> CelestialVolumeController::routeForCategory(
    const std::string& category) {
  return controller_->routeForCategory(category);
}
