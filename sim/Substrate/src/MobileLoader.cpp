#include "Substrate/MobileLoader.h"

#include <dlfcn.h>

#include <algorithm>
#include <filesystem>

#include "Foundation/NSLog.h"
#include "Foundation/PropertyListFile.h"
#include "SimDevice/DeviceRoot.h"

namespace {

constexpr char kTweakFolder[] = "/Library/MobileSubstrate/DynamicLibraries";

bool filterNamesBundle(const std::filesystem::path& library, const std::string& bundle) {
  const std::string filter = std::string(kTweakFolder) + "/" + library.stem().string() + ".plist";
  const auto plist = PropertyListFile::readDictionary(filter);
  if (!plist) return false;
  const auto found = plist->find("Filter");
  const PlistValue* bundles =
      found == plist->end() ? nullptr : found->second.objectForKey("Bundles");
  const auto* list = bundles ? bundles->asArray() : nullptr;
  if (list == nullptr) return false;
  return std::any_of(list->begin(), list->end(), [&](const PlistValue& item) {
    return item.asString() && *item.asString() == bundle;
  });
}

struct Loaded {
  std::string path;
  void* handle;
};

std::vector<Loaded>& loadedLibraries() {
  static std::vector<Loaded> all;
  return all;
}

}  // namespace

MobileLoader::Result MobileLoader::loadTweaksForBundle(const std::string& bundleIdentifier) {
  Result result;
  std::error_code error;
  std::vector<std::filesystem::path> libraries;
  for (const auto& entry :
       std::filesystem::directory_iterator(DeviceRoot::resolve(kTweakFolder), error)) {
    if (entry.path().extension() == ".dylib") libraries.push_back(entry.path());
  }
  std::sort(libraries.begin(), libraries.end());  // the loader goes in name order
  for (const auto& library : libraries) {
    if (!filterNamesBundle(library, bundleIdentifier)) continue;
    if (void* handle = dlopen(library.c_str(), RTLD_NOW | RTLD_GLOBAL)) {
      loadedLibraries().push_back(Loaded{library.string(), handle});
      result.loaded.push_back(library.string());
    } else {
      const char* reason = dlerror();
      result.failed.push_back(library.string() + ": " + (reason ? reason : "unknown error"));
      NSLog("MS:Error: " + result.failed.back());
    }
  }
  return result;
}

std::vector<std::string> MobileLoader::unloadTweaks() {
  std::vector<std::string> stuck;
  auto& loaded = loadedLibraries();
  // The latest first, as their dependants go before them.
  for (auto each = loaded.rbegin(); each != loaded.rend(); ++each) {
    dlclose(each->handle);
    if (void* still = dlopen(each->path.c_str(), RTLD_NOW | RTLD_NOLOAD)) {
      dlclose(still);
      stuck.push_back(each->path +
                      ": still loaded after dlclose (a unique symbol, or another "
                      "library holding it)");
    }
  }
  loaded.clear();
  return stuck;
}
