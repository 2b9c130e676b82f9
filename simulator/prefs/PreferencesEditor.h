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

  // Checks that look at no file, for a command line to refuse a mistyped command before it
  // looks for a device: a key the tweak reads; the value `text` gives it, in the type the key
  // takes (true or false, a colour number, or text) and one the bundle would store; a category
  // number.
  static Result<Ok> checkKey(const std::string& key);
  static Result<PlistValue> preferenceFromText(const std::string& key, const std::string& text);
  static Result<std::size_t> categoryNumber(const std::string& text);
  static Result<Ok> checkName(const std::string& name);

  // The preferences dictionary: empty when there is no file; a failure when it is unreadable.
  static Result<PlistValue::Dictionary> readPreferences();
  // Each answers what it did.
  static Result<std::string> setPreference(const std::string& key, PlistValue value);
  // The value preferenceFromText gives, set.
  static Result<std::string> setPreferenceFromText(const std::string& key, const std::string& text);
  static Result<std::string> unsetPreference(const std::string& key);

  // The category list; a failure when it is missing or unreadable.
  static Result<PlistValue::Array> readCategories();
  // hide N, show N, rename N NAME, move FROM TO: the words, command first.
  static Result<std::string> editCategory(const std::vector<std::string>& words);
  static Result<std::string> resetCategories();
};
