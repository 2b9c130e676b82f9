#include "SimDevice/DeviceRoot.h"

namespace {

std::filesystem::path& currentRoot() {
  static std::filesystem::path root;
  return root;
}

// Normalising against "/" drops every ".." that would climb above the device's root.
std::filesystem::path insideRoot(std::string_view devicePath) {
  return (std::filesystem::path("/") / std::filesystem::path(devicePath))
      .lexically_normal()
      .relative_path();
}

}  // namespace

const std::filesystem::path& DeviceRoot::path() {
  return currentRoot();
}

void DeviceRoot::setPath(std::filesystem::path root) {
  currentRoot() = std::move(root);
}

std::string DeviceRoot::inDevicePaths(std::string text) {
  const std::string root = currentRoot().string();
  if (root.empty() || root == "/") return text;
  for (auto at = text.find(root); at != std::string::npos; at = text.find(root, at)) {
    text.erase(at, root.size());
  }
  return text;
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
