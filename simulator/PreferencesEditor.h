#pragma once

#include <functional>
#include <optional>
#include <string>

#include "Foundation/PlistValue.h"

// Changes the two preference files as the preferences bundle does: each change read, made,
// written atomically, then announced with the "com.zentrik.orbelle2.preferencesChanged"
// Darwin notification. A file that exists but cannot be read is never overwritten. Each change
// holds the file's write claim from the read to the rename, so that writers in other processes
// wait for it rather than lose it.
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
  // Reads the list, lets `edit` change it (answering what it did, or why it did nothing) and
  // writes it back when the edit succeeded.
  static Outcome editCategories(const std::function<Outcome(PlistValue::Array&)>& edit);
  static Outcome resetCategories();

  static void postChanged();

 private:
  // Runs `change` under the write claim of the file at `path`.
  static Outcome coordinated(const char* path, const std::function<Outcome()>& change);
};
