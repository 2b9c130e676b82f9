#pragma once

#include <memory>
#include <optional>
#include <string>

#include "Celestial/AVSystemController.h"

// What the panel asks of the system's audio controller, and nothing more.
class SystemVolumeController {
 public:
  static constexpr const char* kVolumeDidChangeNotification =
      AVSystemController_EffectiveVolumeDidChangeNotification;
  static constexpr const char* kCategoryKey =
      AVSystemController_EffectiveVolumeNotificationParameter_Category;
  static constexpr const char* kVolumeKey =
      AVSystemController_EffectiveVolumeNotificationParameter_Volume;

  virtual ~SystemVolumeController() = default;

  // True with the category's volume (0.0 to 1.0) in `volume`; false when it has none.
  virtual bool getVolume(float& volume, const std::string& category) = 0;
  // The change notification for the category follows.
  virtual void setVolumeTo(float volume, const std::string& category) = 0;
  virtual std::optional<std::string> routeForCategory(const std::string& category) = 0;

  // The process's one controller: Celestial's, unless a host installed another.
  static std::shared_ptr<SystemVolumeController> shared();
  // Installs `controller` as the shared one (null: Celestial's again); answers the one it
  // replaces. For hosts that stand between the panel and the system, such as tests.
  static std::shared_ptr<SystemVolumeController> replaceShared(
      std::shared_ptr<SystemVolumeController> controller);
};
