#include "Device.h"

#include <unistd.h>

#include <cstdlib>
#include <system_error>

#include "SimDevice/DeviceModel.h"
#include "SimDevice/DeviceRoot.h"
#include "SpringBoard/SpringBoard.h"
#include "UIKit/UIScreen.h"

std::filesystem::path Device::packageDir() {
  if (const char* configured = std::getenv("ORBELLE2_PACKAGE"); configured && *configured) {
    return configured;
  }
  std::error_code error;
  const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
  return self.parent_path().parent_path() / "package";
}

CGSize Device::screenForModel(const std::string& model) {
  if (model.starts_with("iPad")) return {768, 1024};
  if (model.starts_with("iPod")) return {320, 568};
  return {375, 667};
}

Result<> Device::installPackage() {
  const auto package = packageDir();
  std::error_code error;
  if (!std::filesystem::is_regular_file(
          package / "Library/MobileSubstrate/DynamicLibraries/Orbelle2.dylib", error)) {
    return fail("no tweak package at " + package.string() + " (build it first)");
  }
  std::filesystem::copy(
      package, DeviceRoot::path(),
      std::filesystem::copy_options::recursive | std::filesystem::copy_options::overwrite_existing,
      error);
  if (error) return fail("cannot install the package: " + error.message());
  return Ok{};
}

Result<> Device::boot(const DeviceOptions& options) {
  const auto root = options.root.empty() ? DeviceRoot::defaultPath() : options.root;
  std::error_code error;
  std::filesystem::create_directories(root, error);
  if (!std::filesystem::is_directory(root, error)) {
    return fail("cannot use " + root.string() + " as root");
  }
  DeviceRoot::setPath(std::filesystem::absolute(root, error));
  if (auto installed = installPackage(); !installed) return installed;
  DeviceModel::setIdentifier(options.model);
  UIScreen::mainScreen().setPortraitSize(options.screen.value_or(screenForModel(options.model)));
  const auto loaded = SpringBoard::shared().boot();
  if (!loaded.failed.empty()) return fail("the tweak did not load: " + loaded.failed.front());
  if (loaded.loaded.empty()) return fail("the loader found no tweak for SpringBoard");
  return Ok{};
}
