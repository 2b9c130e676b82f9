#include "Foundation/DeviceRoot.h"

#include <cstdlib>
#include <string>

namespace {

std::filesystem::path initialRoot() {
  if (const char* configured = std::getenv("SIM_DEVICE_ROOT"); configured && *configured) {
    return configured;
  }
  const char* home = std::getenv("HOME");
  const std::filesystem::path base = home && *home ? home : "/tmp";
  return base / ".local/share/springboard-sim/device";
}

std::filesystem::path& currentRoot() {
  static std::filesystem::path root = initialRoot();
  return root;
}

}  // namespace

const std::filesystem::path& DeviceRoot::path() {
  return currentRoot();
}

void DeviceRoot::setPath(std::filesystem::path root) {
  currentRoot() = std::move(root);
}

std::filesystem::path DeviceRoot::resolve(std::string_view devicePath) {
  // Normalising against "/" drops every ".." that would climb above the device's root.
  const auto inside = (std::filesystem::path("/") / std::filesystem::path(devicePath))
                          .lexically_normal()
                          .relative_path();
  return inside.empty() ? currentRoot() : currentRoot() / inside;
}
