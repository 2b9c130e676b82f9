#pragma once

#include <memory>
#include <optional>
#include <string>

#include "Foundation/NSError.h"
#include "Preferences/PSPageItem.h"

class PSListController;

// How the framework opens a preference bundle an item names: the bundle's folder from the item's
// "bundlePath", else its "bundle" in "/Library/PreferenceBundles"; its Info.plist's executable
// loaded into the process; and, where the item is a controller ("isController"), a page of its
// principal class. What is said of a failure names device paths only.
class PSBundleLoader {
 public:
  static constexpr char kBundlesFolder[] = "/Library/PreferenceBundles/";

  // A name in a folder, never a way out of it: no slash, not hidden, not empty.
  static bool isPlainName(const std::string& name);
  // The bundle's device folder, ending in a slash; nothing, with why, for an item that names
  // none or names one outside a plain name.
  static std::optional<std::string> folderOf(const PSSpecifier& specifier, NSError* error);
  // Whether the folder holds a bundle (its Info.plist is there).
  static bool exists(const std::string& folder);
  // Loads the bundle's executable and answers its principal class's page (isController) or the
  // framework's own page on the bundle's Root.plist; null, with why, when it cannot.
  static std::shared_ptr<PSListController> open(const PSSpecifier& specifier, NSError* error);
};
