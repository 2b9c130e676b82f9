#pragma once

#include <memory>

#include "Celestial/AVSystemController.h"
#include "platform/SystemVolumeController.h"

// The panel's controller, backed by Celestial's AVSystemController.
class CelestialVolumeController final : public SystemVolumeController {
 public:
  explicit CelestialVolumeController(std::shared_ptr<AVSystemController> controller);

  bool getVolume(float& volume, const std::string& category) override;
  void setVolumeTo(float volume, const std::string& category) override;
  std::optional<std::string> routeForCategory(const std::string& category) override;

 private:
  std::shared_ptr<AVSystemController> controller_;
};
