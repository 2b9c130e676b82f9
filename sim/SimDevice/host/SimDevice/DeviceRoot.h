#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "SimDevice/FileError.h"
#include "SimDevice/FolderHandle.h"

// The simulated device's file system: a folder of the host that stands for the device's "/".
// Every absolute device path ("/var/mobile/...", "/Library/...") is resolved beneath it.
class DeviceRoot {
 public:
  // The current root; none (an empty path, where nothing can be written) until set.
  static const std::filesystem::path& path();
  static void setPath(std::filesystem::path root);

  // The host path of a device path. Relative paths and ".." never lead out of the root:
  // the path is read as if from "/" of the device.
  static std::filesystem::path resolve(std::string_view devicePath);

  // The device folder at `devicePath`, reached from the root without following any link inside
  // it (the root itself may be one); created where missing when `create` is set.
  static std::optional<FolderHandle> folder(std::string_view devicePath, bool create,
                                            FileError& error);
  // `text` (a reason from the host's libraries) with the root's host path taken out of it, so
  // that the paths it names are the device's.
  static std::string inDevicePaths(std::string text);
  // A device path's folder and name: "/var/a/b.plist" is "/var/a" and "b.plist".
  static std::pair<std::string, std::string> split(std::string_view devicePath);
};
