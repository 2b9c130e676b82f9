#include <string>

#include "Foundation/NSFileCoordinator.h"
#include "Foundation/NSFileManager.h"
#include "Foundation/NSLog.h"
#include "Foundation/PropertyListFile.h"
#include "mixer/CategoryEntry.h"
#include "mixer/OrbelleView.h"
#include "mixer/PreferenceFiles.h"

namespace {

// The list a device starts with; the last row depends on whether it can make phone calls.
PlistValue::Array initialCategoryList(bool isIpadOrIpod) {
  PlistValue::Array list{
      CategoryEntry::make("Ringtone", "Ringtone", true),
      CategoryEntry::make("Audio/Video", "Audio/Video", true),
      CategoryEntry::make("HeadsetBT", "BT Headset", true),
      CategoryEntry::make("HeadphonesBT", "BT Headphones", true),
  };
  list.push_back(isIpadOrIpod ? CategoryEntry::make("VideoConference", "Video Conference", true)
                              : CategoryEntry::make("PhoneCall", "Phone Call", true));
  return list;
}

}  // namespace

void OrbelleView::loadCategories() {
  auto read = PropertyListFile::readArray(kCategoriesPath);
  const bool wasRead = read.has_value();
  categories_ = wasRead ? std::move(*read) : PlistValue::Array();

  debugLog([&] { return "OB: got " + std::to_string(categories_.size()) + " categories"; });
  if (wasRead) return;

  NSLog("OB: creating initial category config file...");
  categories_ = initialCategoryList(isIpad_ || isIpod_);
  NSFileCoordinator().coordinateWritingItemAtPath(kCategoriesPath, [this] {
    // The preferences bundle may have written a list since it was read: that one stands.
    if (PropertyListFile::readArray(kCategoriesPath)) return;
    if (setUnreadableListAside()) PropertyListFile::write(PlistValue(categories_), kCategoriesPath);
  });
}

bool OrbelleView::setUnreadableListAside() const {
  auto& files = NSFileManager::defaultManager();
  bool isDirectory = false;
  if (!files.fileExistsAtPath(kCategoriesPath, isDirectory)) return true;
  // A folder in its place is nobody's list; leave it rather than write around it.
  if (isDirectory) return false;
  return files.moveItemAtPath(kCategoriesPath, kUnreadableCategoriesPath);
}
