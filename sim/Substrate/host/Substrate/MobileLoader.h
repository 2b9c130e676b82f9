#pragma once

#include <string>
#include <vector>

// Loads tweak libraries into a process, as the hooking framework's loader does at launch:
// every "*.dylib" in the device's "/Library/MobileSubstrate/DynamicLibraries" whose filter
// property list (same name, ".plist") lists the process's bundle identifier under
// Filter > Bundles is opened with dlopen, so its constructors run. Libraries without a filter
// are left alone.
class MobileLoader {
 public:
  struct Result {
    std::vector<std::string> loaded;  // library paths, in load order
    std::vector<std::string> failed;  // "path: reason"
  };

  static Result loadTweaksForBundle(const std::string& bundleIdentifier);
  // Closes every library it loaded, as the end of the process would unmap it; answers
  // "path: why" for each one that is still mapped after.
  static std::vector<std::string> unloadTweaks();
};
