#pragma once

#include <string>

#include "Foundation/PlistValue.h"
#include "orbelle2/CategoryKeys.h"

// One entry of the category list, read where it stands in the list. Entries come from a file
// others write, so every key may be missing or of another type: such a key reads as absent.
class CategoryEntry {
 public:
  static constexpr const char* kCategoryNameKey = category_keys::kCategoryName;
  static constexpr const char* kPrettyCategoryNameKey = category_keys::kPrettyCategoryName;
  static constexpr const char* kVisibleKey = category_keys::kVisible;

  explicit CategoryEntry(const PlistValue& entry) : entry_(entry) {}

  // The controller's category string; null when absent or not a string.
  const std::string* categoryName() const;
  // The row's display name; null when absent or not a string.
  const std::string* prettyCategoryName() const;
  // The truth value of "visible"; false when absent or not convertible.
  bool visible() const;

  static PlistValue make(std::string categoryName, std::string prettyCategoryName, bool visible);

 private:
  const std::string* stringForKey(const char* key) const;

  const PlistValue& entry_;
};
