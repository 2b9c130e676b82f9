#pragma once

#include <filesystem>
#include <string_view>

// The simulated device's file system: a folder of the host that stands for the device's "/".
// Every absolute device path ("/var/mobile/...", "/Library/...") is resolved beneath it.
class DeviceRoot {
 public:
  // Where a run's device lives unless told otherwise: $SIM_DEVICE_ROOT, else
  // "$XDG_DATA_HOME/orbelle2-sim/device", else "$HOME/.local/share/orbelle2-sim/device".
  static std::filesystem::path defaultPath();

  // The current root; defaultPath() until set.
  static const std::filesystem::path& path();
  static void setPath(std::filesystem::path root);

  // The host path of a device path. Relative paths and ".." never lead out of the root:
  // the path is read as if from "/" of the device.
  static std::filesystem::path resolve(std::string_view devicePath);
};
