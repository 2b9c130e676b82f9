#pragma once

#include <optional>
#include <string>

#include "Foundation/PlistValue.h"

// Changes the two preference files as the preferences bundle does: each change read, made,
// written atomically, then announced with the "com.zentrik.orbelle2.preferencesChanged"
// Darwin notification. A file that exists but cannot be read is never overwritten.
class PreferencesEditor {
 public:
  // "true"/"false" as booleans, whole numbers as integers, anything else as a string.
  static PlistValue parseValue(const std::string& text);
  // Readable text of a stored value: true, 12, 0.5, "Metal", <array of 3>.
  static std::string describe(const PlistValue& value);

  struct Outcome {
    bool ok;
    std::string message;  // what was done, or why nothing was
  };

  // The preferences dictionary: empty when there is no file, no result when it is unreadable.
  static std::optional<PlistValue::Dictionary> readPreferences(std::string& error);
  static Outcome setPreference(const std::string& key, PlistValue value);
  static Outcome unsetPreference(const std::string& key);

  // The category list; no result (and why) when missing or unreadable.
  static std::optional<PlistValue::Array> readCategories(std::string& error);
  static Outcome writeCategories(const PlistValue::Array& list, std::string done);
  static Outcome resetCategories();

  static void postChanged();
};
