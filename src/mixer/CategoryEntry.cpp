#include "mixer/CategoryEntry.h"

const std::string* CategoryEntry::stringForKey(const char* key) const {
  const PlistValue* value = entry_.objectForKey(key);
  return value ? value->asString() : nullptr;
}

const std::string* CategoryEntry::categoryName() const {
  return stringForKey(kCategoryNameKey);
}

const std::string* CategoryEntry::prettyCategoryName() const {
  return stringForKey(kPrettyCategoryNameKey);
}

bool CategoryEntry::visible() const {
  const PlistValue* value = entry_.objectForKey(kVisibleKey);
  return value && value->boolValue().value_or(false);
}

PlistValue CategoryEntry::make(std::string categoryName, std::string prettyCategoryName,
                               bool visible) {
  return PlistValue::Dictionary{
      {kCategoryNameKey, std::move(categoryName)},
      {kPrettyCategoryNameKey, std::move(prettyCategoryName)},
      {kVisibleKey, visible},
  };
}
