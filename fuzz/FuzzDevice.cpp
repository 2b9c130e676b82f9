#include "FuzzDevice.h"

#include <stdlib.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "SimDevice/DeviceRoot.h"
#include "SimDevice/SystemLog.h"
#include "device/Device.h"

namespace fuzz_device {
namespace {

std::filesystem::path root;

void removeRoot() {
  std::error_code ignored;
  std::filesystem::remove_all(root, ignored);
}

}  // namespace

void prepare(bool bootSpringBoard) {
  std::string pattern = (std::filesystem::temp_directory_path() / "orbelle2-fuzz.XXXXXX");
  if (mkdtemp(pattern.data()) == nullptr) std::abort();
  root = pattern;
  std::atexit(removeRoot);
  SystemLog::setSink([](const SystemLog::Entry&) {});  // the panel's lines are not findings
  if (!bootSpringBoard) {
    DeviceRoot::setPath(root);
    return;
  }
  DeviceOptions device;
  device.root = root;
  if (const auto booted = Device::boot(device); !booted) {
    std::fprintf(stderr, "fuzz: %s\n", booted.error().c_str());
    std::abort();
  }
}

void writeFile(std::string_view devicePath, std::string_view bytes) {
  const auto path = DeviceRoot::resolve(devicePath);
  std::filesystem::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary | std::ios::trunc)
      .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void removeFile(std::string_view devicePath) {
  std::error_code ignored;
  std::filesystem::remove(DeviceRoot::resolve(devicePath), ignored);
}

}  // namespace fuzz_device
