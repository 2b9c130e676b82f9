#include "prefs/PreferencesEditor.h"

#include <cstdio>

#include "CoreFoundation/CFNotificationCenter.h"
#include "Foundation/NSFileCoordinator.h"
#include "Foundation/NSFileManager.h"
#include "Foundation/Overloaded.h"
#include "Foundation/PropertyListFile.h"
#include "common/Arguments.h"
#include "common/DisplayText.h"
#include "mixer/PreferenceFiles.h"
#include "mixer/PreferenceKeys.h"

namespace {

constexpr char kUnwritablePreferences[] = "cannot write the preferences file";
constexpr char kUnwritableList[] = "cannot write the category list";

const PreferenceKey* findKey(std::string_view name) {
  for (const auto& key : preference_keys::kAll) {
    if (std::visit([](const auto& known) { return known.name; }, key) == name) return &key;
  }
  return nullptr;
}

std::string colorRange() {
  return "0 to " + std::to_string(color_index::kCount - 1);
}

Result<PlistValue> typed(const BooleanPreference& key, const std::string& text) {
  if (text == "true" || text == "false") return PlistValue(text == "true");
  return fail(std::string(key.name) + " takes true or false");
}

Result<PlistValue> typed(const ColorPreference& key, const std::string& text) {
  const auto index = arguments::number<std::int64_t>(text);
  if (index && *index >= 0 && *index < color_index::kCount) return PlistValue(*index);
  return fail(std::string(key.name) + " takes a colour number from " + colorRange());
}

Result<PlistValue> typed(const TextPreference& key, const std::string& text) {
  // A property list's string stops at a NUL: the value stored would not be the value asked for.
  if (text.find('\0') != std::string::npos) {
    return fail(std::string(key.name) + " cannot hold a NUL character");
  }
  if (!display_text::isPlain(text)) {
    return fail(std::string(key.name) + " takes UTF-8 text without control characters");
  }
  return PlistValue(text);
}

std::string valuesHelp(const BooleanPreference& key) {
  return std::string("true|false   default ") + (key.fallback ? "true" : "false");
}

std::string valuesHelp(const ColorPreference& key) {
  return colorRange() + "       default " + std::to_string(key.fallback) + " (" +
         std::string(color_index::kNames[static_cast<std::size_t>(key.fallback)]) + ")";
}

std::string valuesHelp(const TextPreference& key) {
  return "text         default \"" + std::string(key.fallback) + "\"";
}

void postChanged() {
  CFNotificationCenterPostNotification(CFNotificationCenterGetDarwinNotifyCenter(),
                                       kPreferencesChangedNotification, nullptr, nullptr, true);
}

Failure unwritable(const char* what, const NSError& error) {
  return fail(std::string(what) + ": " + error.localizedDescription);
}

Result<std::string> writePreferences(PlistValue::Dictionary prefs, std::string done) {
  NSError error;
  if (!PropertyListFile::write(PlistValue(std::move(prefs)), kPreferencesPath, &error)) {
    return unwritable(kUnwritablePreferences, error);
  }
  return done;
}

}  // namespace

Result<PlistValue> PreferencesEditor::valueForKey(const std::string& key, const std::string& text) {
  const PreferenceKey* known = findKey(key);
  if (!known) return fail("unknown key " + key);
  return std::visit([&](const auto& typedKey) { return typed(typedKey, text); }, *known);
}

Result<std::string> PreferencesEditor::displayName(const std::string& text) {
  if (text.find_first_not_of(" ") == std::string::npos) {
    return fail("a category's name cannot be empty");
  }
  if (text.find('\0') != std::string::npos || !display_text::isPlain(text)) {
    return fail(
        "a category's name cannot hold a control character (a newline, a tab, a NUL) or bytes "
        "that are not UTF-8");
  }
  return text;
}

std::string PreferencesEditor::keysHelp() {
  std::string help;
  for (const auto& key : preference_keys::kAll) {
    std::visit(
        [&](const auto& known) {
          std::string name(known.name);
          name.resize(std::max<std::size_t>(name.size() + 2, 23), ' ');
          std::string values = valuesHelp(known);
          values.resize(std::max<std::size_t>(values.size() + 2, 36), ' ');
          help += "  " + name + values + std::string(known.readBy) + "\n";
        },
        key);
  }
  return help;
}

std::string PreferencesEditor::describe(const PlistValue& value) {
  return value.visit(Overloaded{
      [](const std::string& text) { return display_text::quoted(text); },
      [](bool flag) { return std::string(flag ? "true" : "false"); },
      [](std::int64_t number) { return std::to_string(number); },
      [](double number) {
        char text[32];
        std::snprintf(text, sizeof text, "%g", number);
        return std::string(text);
      },
      [](const PlistValue::Data& bytes) { return "<" + std::to_string(bytes.size()) + " bytes>"; },
      [](const PlistValue::Date&) { return std::string("<date>"); },
      [](const PlistValue::Array& items) {
        return "<array of " + std::to_string(items.size()) + ">";
      },
      [](const PlistValue::Dictionary& entries) {
        return "<dictionary of " + std::to_string(entries.size()) + ">";
      },
  });
}

Result<PlistValue::Dictionary> PreferencesEditor::readPreferences() {
  if (!NSFileManager::defaultManager().fileExistsAtPath(kPreferencesPath)) {
    return PlistValue::Dictionary();
  }
  NSError error;
  auto prefs = PropertyListFile::readDictionary(kPreferencesPath, &error);
  if (!prefs) {
    return fail("the preferences file cannot be read as a dictionary (" +
                error.localizedDescription + "); left as it is");
  }
  return std::move(*prefs);
}

Result<std::string> PreferencesEditor::coordinated(
    const char* path, const std::string& failure,
    const std::function<Result<std::string>()>& change) {
  Result<std::string> outcome = fail(failure);
  NSError error;
  if (!NSFileCoordinator().coordinateWritingItemAtPath(
          path, [&] { outcome = change(); }, &error)) {
    return unwritable(failure.c_str(), error);
  }
  if (outcome) postChanged();
  return outcome;
}

Result<std::string> PreferencesEditor::setPreference(const std::string& key, PlistValue value) {
  return coordinated(kPreferencesPath, kUnwritablePreferences, [&]() -> Result<std::string> {
    auto prefs = readPreferences();
    if (!prefs) return prefs.failure();
    const std::string shown = key + "=" + describe(value);
    (*prefs)[key] = std::move(value);
    return writePreferences(std::move(*prefs), shown);
  });
}

Result<std::string> PreferencesEditor::unsetPreference(const std::string& key) {
  return coordinated(kPreferencesPath, kUnwritablePreferences, [&]() -> Result<std::string> {
    auto prefs = readPreferences();
    if (!prefs) return prefs.failure();
    if (prefs->erase(key) == 0) return fail("no key " + key);
    return writePreferences(std::move(*prefs), "unset " + key);
  });
}

Result<PlistValue::Array> PreferencesEditor::readCategories() {
  if (!NSFileManager::defaultManager().fileExistsAtPath(kCategoriesPath)) {
    return fail("there is no category list yet (the panel creates it when it first opens)");
  }
  NSError error;
  auto list = PropertyListFile::readArray(kCategoriesPath, &error);
  if (!list) {
    return fail("the category list cannot be read as an array (" + error.localizedDescription +
                "); left as it is");
  }
  return std::move(*list);
}

Result<std::string> PreferencesEditor::editCategories(
    const std::function<Result<std::string>(PlistValue::Array&)>& edit) {
  return coordinated(kCategoriesPath, kUnwritableList, [&]() -> Result<std::string> {
    auto list = readCategories();
    if (!list) return list.failure();
    auto done = edit(*list);
    if (!done) return done;
    NSError error;
    if (!PropertyListFile::write(PlistValue(std::move(*list)), kCategoriesPath, &error)) {
      return unwritable(kUnwritableList, error);
    }
    return done;
  });
}

Result<std::string> PreferencesEditor::resetCategories() {
  return coordinated(kCategoriesPath, kUnwritableList, []() -> Result<std::string> {
    auto& files = NSFileManager::defaultManager();
    if (!files.fileExistsAtPath(kCategoriesPath)) return std::string("no category list to remove");
    NSError error;
    if (!files.removeItemAtPath(kCategoriesPath, &error)) {
      return unwritable("cannot remove the category list", error);
    }
    return std::string(
        "category list removed; the panel makes the initial one at its next opening");
  });
}
