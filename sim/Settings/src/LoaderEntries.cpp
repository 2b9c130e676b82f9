#include "LoaderEntries.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "Foundation/NSLog.h"
#include "Foundation/PropertyListFile.h"
#include "Preferences/PSBundleLoader.h"
#include "SimDevice/DeviceRoot.h"
#include "SimDevice/FolderHandle.h"

namespace loader_entries {
namespace {

constexpr int kMostDepth = 8;  // folders below the loader's, as no package nests deeper

// The loader's filter: "CoreFoundationVersion" as [lowest] or [lowest, below]. Other keys are
// not this device's to judge and pass.
bool passes(const PlistValue& plist) {
  const auto* filter = plist.objectForKey("filter");
  const auto* versions = filter ? filter->objectForKey("CoreFoundationVersion") : nullptr;
  if (!versions || !versions->asArray() || versions->asArray()->empty()) return true;
  const auto& bounds = *versions->asArray();
  const auto lowest = bounds[0].floatValue();
  if (lowest && SettingsApp::kCoreFoundationVersion < *lowest) return false;
  const auto below = bounds.size() > 1 ? bounds[1].floatValue() : std::nullopt;
  return !below || SettingsApp::kCoreFoundationVersion < *below;
}

std::string lower(std::string text) {
  for (auto& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

// One loader plist: its entry, or nothing (and why in the log) when it is no entry to show.
// Anything in the folder that is not a regular file is passed over.
std::optional<SettingsApp::Entry> entryOf(const std::string& folder, const std::string& name) {
  const std::string path = folder + name;
  const auto leftOut = [&](const std::string& why) {
    NSLog("Settings: " + path + " left out: " + why);
    return std::nullopt;
  };
  NSError unread;
  auto plist = PropertyListFile::readDictionary(path, &unread);
  if (!plist) return leftOut(DeviceRoot::inDevicePaths(unread.localizedDescription));
  const PlistValue whole(std::move(*plist));
  const auto* fields = whole.objectForKey("entry");
  auto specifier = fields ? PSSpecifier::fromDictionary(*fields) : std::nullopt;
  if (!specifier) return leftOut("it has no entry");
  if (specifier->label().empty()) return leftOut("its entry has no label");
  if (!passes(whole)) return leftOut("its filter asks for another system");
  std::string iconFolder = folder;
  if (specifier->value("bundle") || specifier->value("bundlePath")) {
    NSError why;
    const auto bundle = PSBundleLoader::folderOf(*specifier, &why);
    if (!bundle || !PSBundleLoader::exists(*bundle)) {
      return leftOut(bundle ? "no bundle at " + *bundle : why.localizedDescription);
    }
    iconFolder = *bundle;
  } else if (const auto* items = whole.objectForKey("items"); items && items->asArray()) {
    // A simple entry: its page is the plist's own items.
    specifier->setProperty("items", *items);
    if (const auto* title = whole.objectForKey("title")) specifier->setProperty("title", *title);
  } else {
    return leftOut("it names no bundle and has no items");
  }
  const std::string icon = specifier->property("icon");
  return SettingsApp::Entry{specifier->label(), *specifier,
                            PSBundleLoader::isPlainName(icon) ? iconFolder + icon : std::string()};
}

void readFolder(const FolderHandle& folder, const std::string& devicePath, int depth,
                std::vector<SettingsApp::Entry>& entries) {
  auto names = folder.names();
  std::sort(names.begin(), names.end());
  for (const auto& name : names) {
    const auto kind = folder.kind(name);
    if (kind == FolderHandle::Kind::Folder && depth < kMostDepth &&
        PSBundleLoader::isPlainName(name)) {
      FileError cause;
      if (const auto inner = folder.folder(name, false, cause)) {
        readFolder(*inner, devicePath + name + "/", depth + 1, entries);
      }
    } else if (kind == FolderHandle::Kind::File && name.ends_with(".plist")) {
      if (auto entry = entryOf(devicePath, name)) entries.push_back(std::move(*entry));
    }
  }
}

}  // namespace

std::vector<SettingsApp::Entry> read() {
  std::vector<SettingsApp::Entry> entries;
  FileError cause;
  const auto folder = FolderHandle::open(
      DeviceRoot::path(), std::filesystem::path(SettingsApp::kLoaderFolder).relative_path(), false,
      cause);
  if (folder) readFolder(*folder, SettingsApp::kLoaderFolder, 0, entries);
  std::stable_sort(entries.begin(), entries.end(), [](const auto& one, const auto& other) {
    return lower(one.label) < lower(other.label);
  });
  return entries;
}

}  // namespace loader_entries
