#pragma once

#include <memory>
#include <string>
#include <vector>

#include "Foundation/NSError.h"
#include "Preferences/PSPageItem.h"
#include "UIKit/UINavigationController.h"
#include "UIKit/UIWindow.h"

// The Settings app: its own window over the home screen, and a stack of pages whose first lists
// the entries the preference loader finds in "/Library/PreferenceLoader/Preferences" and its
// subfolders, by label. An entry is a link to a preference bundle (its "bundle" or
// "bundlePath"), opened as the preferences framework opens one, or a simple entry whose plist
// holds its page's own "items". An entry whose bundle is not installed, or whose "filter" this
// device does not meet, is left out, and the log says so.
class SettingsApp {
 public:
  static constexpr char kName[] = "Settings";
  static constexpr char kLoaderFolder[] = "/Library/PreferenceLoader/Preferences/";
  // The Core Foundation version the filters compare with: the device's iOS 12.
  static constexpr double kCoreFoundationVersion = 1556.00;

  struct Entry {
    std::string label;
    PSSpecifier specifier;  // the link to the entry's page
    std::string iconPath;   // empty for none
  };

  // The orientations its Info.plist lists: upright only on an iPhone or iPod touch, every way on
  // an iPad.
  static NSUInteger supportedInterfaceOrientations();

  static SettingsApp& shared();

  // Shows the app: where it was left, or, the first time, at its first page with the entries
  // read then.
  void launch();
  // Goes to the home screen: the window is hidden, its pages kept for the next launch.
  void close();
  bool isRunning() const { return window_ && !window_->isHidden(); }

  const std::vector<Entry>& entries() const { return entries_; }

  // Opens the entry's page on top, as a tap on it does: a page that says why when its bundle
  // cannot be loaded. False, with why, when there is no page to show.
  bool openEntry(const Entry& entry, NSError* error = nullptr);

 private:
  SettingsApp() = default;
  void readEntries();

  std::shared_ptr<UIWindow> window_;
  std::shared_ptr<UINavigationController> navigation_;
  std::vector<Entry> entries_;
};
