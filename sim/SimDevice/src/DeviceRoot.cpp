#include "SimDevice/DeviceRoot.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <vector>

namespace {

std::filesystem::path& currentRoot() {
  static std::filesystem::path root = DeviceRoot::defaultPath();
  return root;
}

// Normalising against "/" drops every ".." that would climb above the device's root.
std::filesystem::path insideRoot(std::string_view devicePath) {
  return (std::filesystem::path("/") / std::filesystem::path(devicePath))
      .lexically_normal()
      .relative_path();
}

const char* environment(const char* name) {
  const char* value = std::getenv(name);
  return value && *value ? value : nullptr;
}

// $HOME, else the user's home in the password database: never a folder that other users share,
// where anyone could plant a tweak for the next run to load.
std::filesystem::path homeFolder() {
  if (const char* home = environment("HOME")) return home;
  std::vector<char> buffer(16384);
  passwd entry{};
  passwd* found = nullptr;
  if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found &&
      found->pw_dir && *found->pw_dir) {
    return found->pw_dir;
  }
  return {};
}

}  // namespace

std::filesystem::path DeviceRoot::defaultPath() {
  if (const char* configured = environment("SIM_DEVICE_ROOT")) return configured;
  if (const char* data = environment("XDG_DATA_HOME")) {
    return std::filesystem::path(data) / "orbelle2-sim/device";
  }
  const auto home = homeFolder();
  return home.empty() ? home : home / ".local/share/orbelle2-sim/device";
}

const std::filesystem::path& DeviceRoot::path() {
  return currentRoot();
}

void DeviceRoot::setPath(std::filesystem::path root) {
  currentRoot() = std::move(root);
}

std::filesystem::path DeviceRoot::resolve(std::string_view devicePath) {
  const auto inside = insideRoot(devicePath);
  return inside.empty() ? currentRoot() : currentRoot() / inside;
}

std::optional<FolderHandle> DeviceRoot::folder(std::string_view devicePath, bool create,
                                               FileError& error) {
  return FolderHandle::open(currentRoot(), insideRoot(devicePath), create, error);
}

std::pair<std::string, std::string> DeviceRoot::split(std::string_view devicePath) {
  const auto inside = insideRoot(devicePath);
  return {"/" + inside.parent_path().string(), inside.filename().string()};
}
