#include "Settings/SettingsApp.h"

#include <dlfcn.h>

#include <algorithm>

#include "EntryListController.h"
#include "Foundation/PropertyListFile.h"
#include "Preferences/PSListController.h"
#include "SimDevice/DeviceRoot.h"
#include "SimDevice/FolderHandle.h"
#include "UIKit/UIApplication.h"
#include "UIKit/UIScreen.h"

namespace {

bool refuse(NSError* error, std::string reason) {
  if (error) error->localizedDescription = std::move(reason);
  return false;
}

// A name in a folder, never a way out of it.
bool isPlainName(const std::string& name) {
  return !name.empty() && name.find('/') == std::string::npos && name[0] != '.';
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

std::string SettingsApp::bundleFolder(const std::string& bundle) {
  return std::string(kBundlesFolder) + bundle + ".bundle/";
}

SettingsApp& SettingsApp::shared() {
  static SettingsApp app;
  return app;
}

void SettingsApp::readEntries() {
  entries_.clear();
  FileError cause;
  const auto folder = FolderHandle::open(
      DeviceRoot::path(), std::filesystem::path(kLoaderFolder).relative_path(), false, cause);
  if (!folder) return;
  auto names = folder->names();
  std::sort(names.begin(), names.end());
  for (const auto& name : names) {
    if (!name.ends_with(".plist")) continue;
    const auto plist = PropertyListFile::readDictionary(kLoaderFolder + name);
    const auto entry = plist ? plist->find("entry") : PlistValue::Dictionary::const_iterator();
    if (!plist || entry == plist->end() || !entry->second.asDictionary()) continue;
    const auto& fields = *entry->second.asDictionary();
    const std::string bundle = text(fields, "bundle");
    const std::string icon = text(fields, "icon");
    if (!isPlainName(bundle)) continue;
    entries_.push_back(Entry{text(fields, "label"), bundle,
                             isPlainName(icon) ? bundleFolder(bundle) + icon : std::string()});
  }
}

void SettingsApp::launch() {
  if (navigation_) {
    // Back where it was left, as the app resumes.
    window_->makeKeyAndVisible();
    UIApplication::sharedApplication().setStatusBarStyle(UIStatusBarStyleDefault);
    return;
  }
  readEntries();
  const auto first = EntryListController::make(entries_);
  first->setTitle(kName);
  navigation_ = UINavigationController::make(first);
  window_ = std::make_shared<UIWindow>();
  window_->setBackgroundColor(UIColor::whiteColor());
  window_->setRootViewController(navigation_);
  window_->makeKeyAndVisible();
  UIApplication::sharedApplication().setStatusBarStyle(UIStatusBarStyleDefault);
}

void SettingsApp::close() {
  if (window_) window_->setHidden(true);
  UIApplication::sharedApplication().setStatusBarStyle(UIStatusBarStyleLightContent);
}

bool SettingsApp::openEntry(const Entry& entry, NSError* error) {
  if (!navigation_) return refuse(error, "Settings is not running");
  const std::string folder = bundleFolder(entry.bundle);
  NSError why;
  const auto info = PropertyListFile::readDictionary(folder + "Info.plist", &why);
  if (!info) return refuse(error, "cannot open " + entry.bundle + ": " + why.localizedDescription);
  const std::string name = text(*info, "CFBundleExecutable");
  if (!isPlainName(name)) {
    return refuse(error,
                  entry.bundle + "'s executable \"" + name + "\" is not a name in its folder");
  }
  if (!loadImage(name, DeviceRoot::resolve(folder + name))) {
    const char* reason = dlerror();
    return refuse(error,
                  "cannot load " + entry.bundle + ": " + (reason ? reason : "unknown error"));
  }
  auto page = PSListController::controllerNamed(text(*info, "NSPrincipalClass"));
  if (!page) {
    return refuse(error, entry.bundle + " has no class " + text(*info, "NSPrincipalClass"));
  }
  page->setBundlePath(folder);
  page->setTitle(entry.label);  // unless the page names itself
  page->setNavigation(navigation_);
  if (!page->loadSpecifiers(&why)) {
    return refuse(error, "cannot read " + entry.bundle + "'s page: " + why.localizedDescription);
  }
  navigation_->pushViewController(std::move(page));
  return true;
}
