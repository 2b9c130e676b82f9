#include "support/TempDeviceRoot.h"

#include <stdlib.h>

#include <fstream>
#include <iterator>
#include <stdexcept>
#include <vector>

#include "SimDevice/DeviceRoot.h"

TempDeviceRoot::TempDeviceRoot() : previous_(DeviceRoot::path()) {
  std::string pattern = (std::filesystem::temp_directory_path() / "orbelle2-test.XXXXXX").string();
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  if (mkdtemp(name.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  root_ = name.data();
  DeviceRoot::setPath(root_);
}

TempDeviceRoot::~TempDeviceRoot() {
  DeviceRoot::setPath(previous_);
  std::error_code ignored;
  std::filesystem::remove_all(root_, ignored);
}

std::filesystem::path TempDeviceRoot::prepare(std::string_view devicePath) const {
  const auto host = DeviceRoot::resolve(devicePath);
  std::filesystem::create_directories(host.parent_path());
  return host;
}

void TempDeviceRoot::writeBytes(std::string_view devicePath, std::string_view bytes) const {
  std::ofstream out(prepare(devicePath), std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string TempDeviceRoot::readBytes(std::string_view devicePath) const {
  std::ifstream in(DeviceRoot::resolve(devicePath), std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

bool TempDeviceRoot::exists(std::string_view devicePath) const {
  return std::filesystem::exists(DeviceRoot::resolve(devicePath));
}

void installPackage(std::string_view folder) {
  const auto inside = std::filesystem::path(folder).relative_path();
  const auto from = std::filesystem::path(ORBELLE_PACKAGE_DIR) / inside;
  const auto to = DeviceRoot::path() / inside;
  std::filesystem::create_directories(to);
  std::filesystem::copy(
      from, to,
      std::filesystem::copy_options::recursive | std::filesystem::copy_options::overwrite_existing);
}
