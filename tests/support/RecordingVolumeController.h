#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/SystemVolumeController.h"

// Stands between the panel and the real controller and writes down every call:
// "get Ringtone", "set Audio/Video 0.37", "route Audio/Video". Installed as the shared
// controller while it lives.
class RecordingVolumeController : public SystemVolumeController {
 public:
  static std::shared_ptr<RecordingVolumeController> install();
  ~RecordingVolumeController() override;

  bool getVolume(float& volume, const std::string& category) override;
  void setVolumeTo(float volume, const std::string& category) override;
  std::optional<std::string> routeForCategory(const std::string& category) override;

  std::vector<std::string> calls;
  void uninstall();

 private:
  std::shared_ptr<SystemVolumeController> real_ = SystemVolumeController::shared();
};
