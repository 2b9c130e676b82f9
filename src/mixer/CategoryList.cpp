#include "mixer/CategoryList.h"

#include <algorithm>
#include <string>

#include "Foundation/NSFileCoordinator.h"
#include "Foundation/NSFileManager.h"
#include "Foundation/NSLog.h"
#include "Foundation/PropertyListFile.h"
#include "mixer/CategoryEntry.h"
#include "mixer/MachineModel.h"
#include "mixer/OrbelleView.h"
#include "orbelle2/CategoryNames.h"
#include "orbelle2/DeviceFamily.h"
#include "orbelle2/PreferenceFiles.h"

std::optional<PlistValue::Array> CategoryList::read() {
  return PropertyListFile::readArray(kCategoriesPath);
}

PlistValue::Array CategoryList::initial(bool isIpadOrIpod) {
  namespace name = category_names;
  PlistValue::Array list{
      CategoryEntry::make(name::kRingtone, "Ringtone", true),
      CategoryEntry::make(name::kAudioVideo, "Audio/Video", true),
      CategoryEntry::make(name::kHeadsetBT, "BT Headset", true),
      CategoryEntry::make(name::kHeadphonesBT, "BT Headphones", true),
  };
  list.push_back(isIpadOrIpod
                     ? CategoryEntry::make(name::kVideoConference, "Video Conference", true)
                     : CategoryEntry::make(name::kPhoneCall, "Phone Call", true));
  return list;
}

PlistValue::Array CategoryList::initialForThisDevice() {
  const std::string model = machineModel();
  return initial(device_family::hasNoPhone(model));
}

NSInteger CategoryList::visibleCount(const PlistValue::Array& list) {
  return std::count_if(list.begin(), list.end(),
                       [](const PlistValue& entry) { return CategoryEntry(entry).visible(); });
}

void OrbelleView::loadCategories() {
  auto read = CategoryList::read();
  const bool wasRead = read.has_value();
  categories_ = wasRead ? std::move(*read) : PlistValue::Array();

  debugLog([&] { return "OB: got " + std::to_string(categories_.size()) + " categories"; });
  if (wasRead) return;

  NSLog("OB: creating initial category config file...");
  categories_ = CategoryList::initial(isIpad_ || isIpod_);
  NSError error;
  const bool claimed = NSFileCoordinator().coordinateWritingItemAtPath(
      kCategoriesPath,
      [&] {
        // The preferences bundle may have written a list since it was read: that one stands.
        if (CategoryList::read()) return;
        if (!CategoryList::setUnreadableListAside(error) ||
            !PropertyListFile::write(PlistValue(categories_), kCategoriesPath, &error)) {
          NSLog("OB: the initial category list is not saved: " + error.localizedDescription);
        }
      },
      &error);
  // The panel opens all the same, with the initial list it holds.
  if (!claimed) NSLog("OB: the initial category list is not saved: " + error.localizedDescription);
}

bool CategoryList::setUnreadableListAside(NSError& error) {
  auto& files = NSFileManager::defaultManager();
  bool isDirectory = false;
  if (!files.fileExistsAtPath(kCategoriesPath, isDirectory)) return true;
  // A folder in its place is nobody's list; leave it rather than write around it.
  if (isDirectory) {
    error.localizedDescription = std::string(kCategoriesPath) + " is a folder; it is left alone";
    return false;
  }
  // Foundation moves nothing over an item: an older copy set aside (by the panel too) goes first,
  // and a folder in its place stays.
  if (files.fileExistsAtPath(kUnreadableCategoriesPath, isDirectory)) {
    if (isDirectory) {
      error.localizedDescription =
          std::string(kUnreadableCategoriesPath) + " is a folder; it is left alone";
      return false;
    }
    if (!files.removeItemAtPath(kUnreadableCategoriesPath, &error)) return false;
  }
  return files.moveItemAtPath(kCategoriesPath, kUnreadableCategoriesPath, &error);
}
