#include "device/Device.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <system_error>
#include <utility>

#include "Foundation/NSLog.h"
#include "Settings/SettingsApp.h"
#include "Settings/SettingsIcon.h"
#include "SimDevice/DeviceModel.h"
#include "SimDevice/DeviceRoot.h"
#include "SimDevice/FolderHandle.h"
#include "SpringBoard/SpringBoard.h"
#include "UIKit/UILabel.h"
#include "UIKit/UIScreen.h"
#include "UIKit/UIScreenSetup.h"
#include "apps/AppProcess.h"
#include "common/ProgramFolder.h"
#include "common/UserFolder.h"
#include "device/ModelScreens.h"
#include "device/ProcessClaim.h"
#include "packages/DebPackage.h"
#include "packages/PackageManager.h"
#include "screen/FontMetrics.h"

namespace {

// The build tree this program is in.
std::filesystem::path buildDir() {
  return programFolder().parent_path();
}

}  // namespace

std::filesystem::path Device::packageFile() {
  if (const char* configured = std::getenv("ORBELLE2_DEB"); configured && *configured) {
    return configured;
  }
  return buildDir() / "packages" / ORBELLE_DEB_NAME;
}

namespace {

// Copies `from` (a folder of the build) into `to` on the device, folder by folder: each file
// written beside its old copy and renamed over it, or left alone when its bytes are the same.
// `what` names it in an error.
Result<> installFolder(const FolderHandle& from, const FolderHandle& to, const std::string& what) {
  for (const auto& name : from.names()) {
    FileError cause;
    if (from.kind(name) == FolderHandle::Kind::Folder) {
      const auto source = from.folder(name, false, cause);
      const auto target = source ? to.folder(name, true, cause) : std::nullopt;
      if (!target) return fail("cannot install " + what + ": " + cause.describe());
      if (auto installed = installFolder(*source, *target, what); !installed) return installed;
      continue;
    }
    struct stat status {};
    const auto bytes = from.read(name, SIZE_MAX, cause);
    if (!bytes || ::fstatat(from.fd(), name.c_str(), &status, AT_SYMLINK_NOFOLLOW) != 0 ||
        !to.install(name, *bytes, status.st_mode & 0777, cause)) {
      return fail("cannot install " + what + ": " + cause.describe());
    }
  }
  return Ok{};
}

Result<> installTree(const std::filesystem::path& tree, const std::string& what) {
  FileError cause;
  const auto source = FolderHandle::open(tree, {}, false, cause);
  const auto root = source ? DeviceRoot::folder("/", true, cause) : std::nullopt;
  if (!root) return fail("cannot install " + what + ": " + cause.describe());
  return installFolder(*source, *root, what);
}

}  // namespace

Result<> Device::installPackage() {
  const auto file = packageFile();
  std::error_code error;
  if (!std::filesystem::is_regular_file(file, error)) {
    return fail("no tweak package at " + file.string() + " (build it first)");
  }
  // The simulated system's own files come first, as a device has them before any package.
  const auto system = buildDir() / "system";
  if (std::filesystem::is_directory(system, error)) {
    if (auto installed = installTree(system, "the system's files"); !installed) return installed;
  }
  const auto package = DebPackage::read(file);
  if (!package) return package.failure();
  if (auto installed = PackageManager::install(*package); !installed) return installed.failure();
  return Ok{};
}

Result<> Device::claimRoot() {
  static std::optional<ProcessClaim> held;
  if (held) return Ok{};
  FileError cause;
  const auto [folderPath, name] = DeviceRoot::split(kRootClaim);
  const auto folder = DeviceRoot::folder(folderPath, true, cause);
  if (!folder) return fail("cannot claim the device root: " + cause.describe());
  auto claim = ProcessClaim::take(*folder, name, "device root " + DeviceRoot::path().string(),
                                  "use --root DIR for another device");
  if (!claim) return claim.failure();
  held.emplace(std::move(*claim));
  return Ok{};
}

void Device::installApps() {
  static bool installed = false;
  if (std::exchange(installed, true)) return;
  // Settings runs in a process of its own, started at its first launch.
  static const auto settings = AppProcess::make(SettingsApp::kName);
  SpringBoard::shared().installApplication(SBApplication{
      SettingsApp::kName,
      std::string(settings_icon::kFolder) + settings_icon::kFile,
      [] {
        if (auto launched = settings->launch(); !launched) {
          NSLog(launched.error());
          SpringBoard::shared().applicationDidExit(SettingsApp::kName);
        }
      },
      [] { settings->background(); },
      [] { settings->end(); },
      SettingsApp::supportedInterfaceOrientations(),
  });
}

Result<> Device::boot(const DeviceOptions& options) {
  const auto model = model_screens::of(options.model);
  if (!model) return model.failure();
  const auto root = options.root.empty() ? UserFolder::deviceRoot() : options.root;
  if (root.empty()) return fail("no home folder for the default device root; give --root DIR");
  std::error_code error;
  // A root made here is the user's alone, whatever the umask.
  if (std::filesystem::create_directories(root, error)) {
    std::filesystem::permissions(root, std::filesystem::perms::owner_all, error);
  }
  if (!std::filesystem::is_directory(root, error)) {
    return fail("cannot use " + root.string() + " as root");
  }
  if (auto own = UserFolder::ownedByTheUser(root); !own) {
    return fail("cannot use that device root: " + own.error());
  }
  DeviceRoot::setPath(std::filesystem::absolute(root, error));
  if (auto claimed = claimRoot(); !claimed) return claimed;
  if (auto installed = installPackage(); !installed) return installed;
  DeviceModel::setIdentifier(options.model);
  UIScreenSetup::setTextMeasure(FontMetrics::measure());
  UIScreenSetup::setPortraitSize(options.screen.value_or(model->points));
  UIScreenSetup::setScale(model->scale);
  UIScreenSetup::setStatusBarHeight(model_screens::statusBarHeight(*model));
  UIScreenSetup::setSafeAreaInsets(model_screens::safeArea(*model, false),
                                   model_screens::safeArea(*model, true));
  installApps();
  SpringBoard::shared().setHasHomeButton(model->homeButton);
  const auto loaded = SpringBoard::shared().boot();
  if (!loaded.failed.empty()) return fail("the tweak did not load: " + loaded.failed.front());
  if (loaded.loaded.empty()) return fail("the loader found no tweak for SpringBoard");
  return Ok{};
}
