// Writes the preferences page into a package tree at build time: the loader entry and the
// bundle's Info.plist and Root.plist, each where it goes on a device.
#include <cstdio>
#include <filesystem>
#include <string>

#include "Foundation/PropertyListFile.h"
#include "SimDevice/DeviceRoot.h"
#include "prefs/PreferencePage.h"

namespace {

bool write(const PlistValue& root, const std::string& devicePath) {
  std::error_code error;
  std::filesystem::create_directories(DeviceRoot::resolve(devicePath).parent_path(), error);
  NSError why;
  if (PropertyListFile::write(root, devicePath, &why)) return true;
  std::fprintf(stderr, "write-preference-page: cannot write %s: %s\n", devicePath.c_str(),
               why.localizedDescription.c_str());
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: write-preference-page PACKAGE_ROOT\n");
    return 2;
  }
  DeviceRoot::setPath(std::filesystem::absolute(argv[1]));
  const bool written = write(preference_page::loaderEntry(), preference_page::kLoaderEntry) &&
                       write(preference_page::bundleInfo(), preference_page::infoPlistPath()) &&
                       write(preference_page::rootPage(), preference_page::rootPlistPath());
  return written ? 0 : 1;
}
