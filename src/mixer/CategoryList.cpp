#include <string>

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
  const auto bytes = NSFileManager::defaultManager().contentsAtPath(kCategoriesPath);
  auto parsed = bytes ? PropertyListFile::parse(*bytes) : std::nullopt;
  auto read = parsed ? std::move(*parsed).takeArray() : std::nullopt;
  const bool wasRead = read.has_value();
  categories_ = wasRead ? std::move(*read) : PlistValue::Array();

  debugLog("OB: got " + std::to_string(categories_.size()) + " categories");
  if (wasRead) return;

  NSLog("OB: creating initial category config file...");
  categories_ = initialCategoryList(isIpad_ || isIpod_);
  if (keepUnreadableList(bytes)) PropertyListFile::write(PlistValue(categories_), kCategoriesPath);
}

bool OrbelleView::keepUnreadableList(const std::optional<std::string>& bytes) const {
  auto& files = NSFileManager::defaultManager();
  if (bytes) return files.createFileAtPath(kUnreadableCategoriesPath, *bytes);
  // Nothing could be read: fine when there is no file, but an existing one that cannot even
  // be read (no permission, a folder) is left alone rather than replaced unseen.
  return !files.fileExistsAtPath(kCategoriesPath);
}
