#include "platform/SystemVolumeController.h"

#include "platform/CelestialVolumeController.h"

namespace {

std::shared_ptr<SystemVolumeController> celestial() {
  return std::make_shared<CelestialVolumeController>(
      AVSystemController::sharedAVSystemController());
}

std::shared_ptr<SystemVolumeController>& installed() {
  static std::shared_ptr<SystemVolumeController> shared = celestial();
  return shared;
}

}  // namespace

std::shared_ptr<SystemVolumeController> SystemVolumeController::shared() {
  return installed();
}

std::shared_ptr<SystemVolumeController> SystemVolumeController::replaceShared(
    std::shared_ptr<SystemVolumeController> controller) {
  std::swap(installed(), controller);
  if (!installed()) installed() = celestial();
  return controller;
}
