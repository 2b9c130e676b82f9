#pragma once

#include <optional>

#include "Foundation/NSError.h"
#include "Foundation/NSObjCRuntime.h"
#include "Foundation/PlistValue.h"

// The category list file as the panel and the popup read it, and the list a device starts with.
class CategoryList {
 public:
  // The list as stored; no result when the file is missing, unreadable or not an array.
  static std::optional<PlistValue::Array> read();
  // Five entries, all visible; the last is the video conference on an iPad or iPod touch and
  // the phone call on an iPhone.
  static PlistValue::Array initial(bool isIpadOrIpod);
  // The initial list for the device this runs on.
  static PlistValue::Array initialForThisDevice();
  // Before the initial list replaces an unreadable file, or a reset removes it, the file is
  // moved beside it (to "<name>.corrupt", replacing an older one); false when that could not
  // be done (a folder in its place is left alone), and the file must then stay as it is.
  static bool setUnreadableListAside(NSError& error);
  // The entries of `list` whose "visible" is true.
  static NSInteger visibleCount(const PlistValue::Array& list);
};
