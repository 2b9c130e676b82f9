#pragma once

#include <memory>
#include <string>
#include <vector>

#include "Foundation/NSError.h"
#include "UIKit/UINavigationController.h"
#include "UIKit/UIWindow.h"

// The Settings app: its own window over the home screen, and a stack of pages whose first lists
// every entry the preference loader finds in "/Library/PreferenceLoader/Preferences", by label.
// An entry opens its bundle's page as the preferences framework opens it: the bundle's
// Info.plist names its executable, which is loaded, and its principal class, whose page reads
// the bundle's Root.plist.
class SettingsApp {
 public:
  static constexpr char kName[] = "Settings";
  static constexpr char kLoaderFolder[] = "/Library/PreferenceLoader/Preferences/";
  static constexpr char kBundlesFolder[] = "/Library/PreferenceBundles/";

  struct Entry {
    std::string label;
    std::string bundle;
    std::string iconPath;  // in the bundle's folder; empty for none
  };

  static SettingsApp& shared();

  // Shows the app: where it was left, or, the first time, at its first page with the entries
  // read then.
  void launch();
  // Goes to the home screen: the window is hidden, its pages kept for the next launch.
  void close();
  bool isRunning() const { return window_ && !window_->isHidden(); }

  const std::vector<Entry>& entries() const { return entries_; }
  const std::shared_ptr<UINavigationController>& navigation() const { return navigation_; }

  // Opens the entry's page on top, as a tap on it does; false, with why, when its bundle cannot
  // be loaded or has no page.
  bool openEntry(const Entry& entry, NSError* error = nullptr);

 private:
  SettingsApp() = default;
  void readEntries();
  static std::string bundleFolder(const std::string& bundle);

  std::shared_ptr<UIWindow> window_;
  std::shared_ptr<UINavigationController> navigation_;
  std::vector<Entry> entries_;
};
