#include "prefs/PreferenceWriter.h"

#include <algorithm>

#include "Foundation/NSFileManager.h"
#include "Foundation/Overloaded.h"
#include "Foundation/PropertyListFile.h"
#include "orbelle2/PreferenceFiles.h"
#include "orbelle2/PreferenceKeys.h"
#include "prefs/CoordinatedChange.h"
#include "prefs/PlainText.h"

namespace {

using coordinated_change::refuse;

constexpr char kUnwritable[] = "cannot write the preferences file";

bool fits(const BooleanPreference& key, const PlistValue& value, NSError* error) {
  if (value.visit(Overloaded{[](bool) { return true; }, [](const auto&) { return false; }})) {
    return true;
  }
  return refuse(error, std::string(key.name) + " takes true or false");
}

bool fits(const ColorPreference& key, const PlistValue& value, NSError* error) {
  const auto inTable =
      Overloaded{[](std::int64_t index) { return index >= 0 && index < color_index::kCount; },
                 [](const auto&) { return false; }};
  if (value.visit(inTable)) return true;
  return refuse(error, std::string(key.name) + " takes a colour number from 0 to " +
                           std::to_string(color_index::kCount - 1));
}

bool fits(const TextPreference& key, const PlistValue& value, NSError* error) {
  const std::string* text = value.asString();
  if (!text) return refuse(error, std::string(key.name) + " takes text");
  // A property list's string stops at a NUL: the value stored would not be the value asked for.
  if (text->find('\0') != std::string::npos) {
    return refuse(error, std::string(key.name) + " cannot hold a NUL character");
  }
  if (!plain_text::isPlain(*text)) {
    return refuse(error, std::string(key.name) + " takes UTF-8 text without control characters");
  }
  if (key.choices.empty() ||
      std::find(key.choices.begin(), key.choices.end(), *text) != key.choices.end()) {
    return true;
  }
  std::string named;
  for (const auto choice : key.choices)
    named += (named.empty() ? "\"" : ", \"") + std::string(choice) + "\"";
  return refuse(error, std::string(key.name) + " takes one of " + named);
}

bool write(PlistValue::Dictionary prefs, NSError* error) {
  NSError why;
  if (PropertyListFile::write(PlistValue(std::move(prefs)), kPreferencesPath, &why)) return true;
  return refuse(error, std::string(kUnwritable) + ": " + why.localizedDescription);
}

}  // namespace

std::optional<PlistValue::Dictionary> PreferenceWriter::read(NSError* error) {
  if (!NSFileManager::defaultManager().fileExistsAtPath(kPreferencesPath)) {
    return PlistValue::Dictionary();
  }
  NSError why;
  auto prefs = PropertyListFile::readDictionary(kPreferencesPath, &why);
  if (!prefs) {
    refuse(error, "the preferences file cannot be read as a dictionary (" +
                      why.localizedDescription + "); left as it is");
  }
  return prefs;
}

bool PreferenceWriter::check(const std::string& key, const PlistValue& value, NSError* error) {
  const PreferenceKey* known = preference_keys::find(key);
  if (!known) return refuse(error, "unknown key " + key);
  return std::visit([&](const auto& typedKey) { return fits(typedKey, value, error); }, *known);
}

bool PreferenceWriter::set(const std::string& key, PlistValue value, NSError* error) {
  if (!check(key, value, error)) return false;
  return coordinated_change::run(
      kPreferencesPath, kUnwritable,
      [&](NSError* why) {
        auto prefs = read(why);
        if (!prefs) return false;
        (*prefs)[key] = std::move(value);
        return write(std::move(*prefs), why);
      },
      error);
}

bool PreferenceWriter::unset(const std::string& key, NSError* error) {
  return coordinated_change::run(
      kPreferencesPath, kUnwritable,
      [&](NSError* why) {
        auto prefs = read(why);
        if (!prefs) return false;
        if (prefs->erase(key) == 0) return refuse(why, "no key " + key);
        return write(std::move(*prefs), why);
      },
      error);
}
