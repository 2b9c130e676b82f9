// Packages installed and removed on demand, as a package manager on the device does.
#include "device/CommandEngine.h"
#include "packages/DebPackage.h"
#include "packages/PackageManager.h"

Result<std::string> CommandEngine::install(const Args& args) {
  const auto package = DebPackage::read(args[0]);
  if (!package) return package.failure();
  const auto installed = PackageManager::install(*package);
  if (!installed) return installed.failure();
  return "installed " + *installed;
}

Result<std::string> CommandEngine::remove(const Args& args) {
  const auto removed = PackageManager::remove(args[0]);
  if (!removed) return removed.failure();
  return "removed " + *removed;
}
