#pragma once

#include <string>
#include <vector>

#include "Foundation/PlistValue.h"
#include "common/Result.h"

// The preferences bundle's writers (PreferenceWriter, CategoryListEditor) as the command lines
// use them: values typed from words, outcomes as Results that say what was done.
class PreferencesEditor {
 public:
  // The known keys, a line each: name, values, default, what reads it.
  static std::string keysHelp();
  // Readable text of a stored value: true, 12, 0.5, "Metal", <array of 3>.
  static std::string describe(const PlistValue& value);

  // The preferences dictionary: empty when there is no file; a failure when it is unreadable.
  static Result<PlistValue::Dictionary> readPreferences();
  // Each answers what it did.
  static Result<std::string> setPreference(const std::string& key, PlistValue value);
  // The value `text` gives the key, in the type the key takes (true or false, a colour number,
  // or text), set; whether the key takes it is the bundle's to say.
  static Result<std::string> setPreferenceFromText(const std::string& key, const std::string& text);
  static Result<std::string> unsetPreference(const std::string& key);

  // The category list; a failure when it is missing or unreadable.
  static Result<PlistValue::Array> readCategories();
  // hide N, show N, rename N NAME, move FROM TO: the words, command first.
  static Result<std::string> editCategory(const std::vector<std::string>& words);
  static Result<std::string> resetCategories();
};
