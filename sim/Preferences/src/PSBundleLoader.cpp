#include "Preferences/PSBundleLoader.h"

#include <dlfcn.h>

#include "Foundation/NSFileManager.h"
#include "Foundation/PropertyListFile.h"
#include "Preferences/PSListController.h"
#include "SimDevice/DeviceRoot.h"

namespace {

bool refuse(NSError* error, std::string reason) {
  if (error) error->localizedDescription = std::move(reason);
  return false;
}

// As the dynamic loader does, an image already in the process under the executable's name (a
// library the program was linked with) is the one used: a second copy would hold a second set
// of everything the first holds.
bool loadImage(const std::string& name, const std::string& path) {
  if (dlopen(name.c_str(), RTLD_NOW | RTLD_NOLOAD)) return true;
  return dlopen(path.c_str(), RTLD_NOW | RTLD_GLOBAL) != nullptr;
}

std::string text(const PlistValue::Dictionary& fields, const char* key) {
  const auto found = fields.find(key);
  return found != fields.end() && found->second.asString() ? *found->second.asString() : "";
}

}  // namespace

bool PSBundleLoader::isPlainName(const std::string& name) {
  return !name.empty() && name.find('/') == std::string::npos && name[0] != '.';
}

std::optional<std::string> PSBundleLoader::folderOf(const PSSpecifier& specifier, NSError* error) {
  std::string path = specifier.property("bundlePath");
  if (!path.empty()) {
    if (path.front() != '/') {
      refuse(error, specifier.label() + "'s bundle path is not a device path");
      return std::nullopt;
    }
    return path.back() == '/' ? path : path + "/";
  }
  const std::string name = specifier.property("bundle");
  if (!isPlainName(name)) {
    refuse(error, specifier.label() + " names no bundle by a plain name");
    return std::nullopt;
  }
  return std::string(kBundlesFolder) + name + ".bundle/";
}

bool PSBundleLoader::exists(const std::string& folder) {
  return NSFileManager::defaultManager().fileExistsAtPath(folder + "Info.plist");
}

std::shared_ptr<PSListController> PSBundleLoader::open(const PSSpecifier& specifier,
                                                       NSError* error) {
  const auto folder = folderOf(specifier, error);
  if (!folder) return nullptr;
  NSError why;
  const auto info = PropertyListFile::readDictionary(*folder + "Info.plist", &why);
  if (!info) {
    refuse(error, "cannot open " + *folder + ": " + why.localizedDescription);
    return nullptr;
  }
  const std::string name = text(*info, "CFBundleExecutable");
  if (!isPlainName(name)) {
    refuse(error, *folder + "'s executable \"" + name + "\" is not a name in its folder");
    return nullptr;
  }
  if (!loadImage(name, DeviceRoot::resolve(*folder + name))) {
    // The loader's reason names the file, in the device's paths.
    const char* reason = dlerror();
    refuse(error, "cannot load " + name + ": " +
                      DeviceRoot::inDevicePaths(reason ? reason : "unknown error"));
    return nullptr;
  }
  const std::string principal = text(*info, "NSPrincipalClass");
  auto page = PSListController::controllerNamed(
      specifier.flag("isController", false) ? principal : "PSListController");
  if (!page) {
    refuse(error, *folder + " has no class " + principal);
    return nullptr;
  }
  page->setBundlePath(*folder);
  return page;
}
