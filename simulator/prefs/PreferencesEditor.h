#pragma once

#include <functional>
#include <string>

#include "Foundation/PlistValue.h"
#include "common/Result.h"

// Changes the two preference files as the preferences bundle does: each change read, made,
// written atomically, then announced with the preferences-changed Darwin notification. A file
// that exists but cannot be read is never overwritten. Each change holds the file's write claim
// from the read to the rename, so that writers in other processes wait for it rather than lose
// it.
class PreferencesEditor {
 public:
  // The value `text` gives a known key, typed as the preferences bundle stores it: true or
  // false, a colour number from 0 to 9, or any text.
  static Result<PlistValue> valueForKey(const std::string& key, const std::string& text);
  // A category's display name as these programs write it: not empty, and no control character
  // (a newline would split the listing and the panel's label).
  static Result<std::string> displayName(const std::string& text);
  // The known keys, a line each: name, values, default, what reads it.
  static std::string keysHelp();
  // Readable text of a stored value: true, 12, 0.5, "Metal", <array of 3>.
  static std::string describe(const PlistValue& value);

  // The preferences dictionary: empty when there is no file; a failure when it is unreadable.
  static Result<PlistValue::Dictionary> readPreferences();
  // Each answers what it did.
  static Result<std::string> setPreference(const std::string& key, PlistValue value);
  static Result<std::string> unsetPreference(const std::string& key);

  // The category list; a failure when it is missing or unreadable.
  static Result<PlistValue::Array> readCategories();
  // Reads the list, lets `edit` change it (answering what it did) and writes it back when the
  // edit succeeded.
  static Result<std::string> editCategories(
      const std::function<Result<std::string>(PlistValue::Array&)>& edit);
  static Result<std::string> resetCategories();

 private:
  // Runs `change` under the write claim of the file at `path` and announces what it changed.
  static Result<std::string> coordinated(const char* path, const std::string& failure,
                                         const std::function<Result<std::string>()>& change);
};
