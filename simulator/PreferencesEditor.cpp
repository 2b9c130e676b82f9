#include "PreferencesEditor.h"

#include "Foundation/Overloaded.h"

#include <charconv>
#include <cstdio>

#include "CoreFoundation/CFNotificationCenter.h"
#include "Foundation/NSFileCoordinator.h"
#include "Foundation/NSFileManager.h"
#include "Foundation/PropertyListFile.h"
#include "mixer/PreferenceFiles.h"

namespace {

std::optional<std::int64_t> wholeNumber(const std::string& text) {
  std::int64_t number = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, number);
  if (error != std::errc() || stop != end || text.empty()) return std::nullopt;
  return number;
}

PreferencesEditor::Outcome failed(std::string why) {
  return {false, std::move(why)};
}

}  // namespace

PlistValue PreferencesEditor::parseValue(const std::string& text) {
  if (text == "true") return PlistValue(true);
  if (text == "false") return PlistValue(false);
  if (const auto number = wholeNumber(text)) return PlistValue(*number);
  return PlistValue(text);
}

std::string PreferencesEditor::describe(const PlistValue& value) {
  return value.visit(Overloaded{
      [](const std::string& text) { return "\"" + text + "\""; },
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

std::optional<PlistValue::Dictionary> PreferencesEditor::readPreferences(std::string& error) {
  if (!NSFileManager::defaultManager().fileExistsAtPath(kPreferencesPath)) {
    return PlistValue::Dictionary();
  }
  auto prefs = PropertyListFile::readDictionary(kPreferencesPath);
  if (!prefs) error = "the preferences file cannot be read as a dictionary; left as it is";
  return prefs;
}

PreferencesEditor::Outcome PreferencesEditor::coordinated(const char* path,
                                                          const std::function<Outcome()>& change) {
  Outcome outcome = failed(path == kPreferencesPath ? "cannot write the preferences file"
                                                    : "cannot write the category list");
  NSFileCoordinator().coordinateWritingItemAtPath(path, [&] { outcome = change(); });
  if (outcome.ok) postChanged();
  return outcome;
}

PreferencesEditor::Outcome PreferencesEditor::setPreference(const std::string& key,
                                                            PlistValue value) {
  return coordinated(kPreferencesPath, [&]() -> Outcome {
    std::string error;
    auto prefs = readPreferences(error);
    if (!prefs) return failed(error);
    const std::string shown = key + "=" + describe(value);
    (*prefs)[key] = std::move(value);
    if (!PropertyListFile::write(PlistValue(std::move(*prefs)), kPreferencesPath)) {
      return failed("cannot write the preferences file");
    }
    return {true, shown};
  });
}

PreferencesEditor::Outcome PreferencesEditor::unsetPreference(const std::string& key) {
  return coordinated(kPreferencesPath, [&]() -> Outcome {
    std::string error;
    auto prefs = readPreferences(error);
    if (!prefs) return failed(error);
    if (prefs->erase(key) == 0) return failed("no key " + key);
    if (!PropertyListFile::write(PlistValue(std::move(*prefs)), kPreferencesPath)) {
      return failed("cannot write the preferences file");
    }
    return {true, "unset " + key};
  });
}

std::optional<PlistValue::Array> PreferencesEditor::readCategories(std::string& error) {
  if (!NSFileManager::defaultManager().fileExistsAtPath(kCategoriesPath)) {
    error = "there is no category list yet (the panel creates it when it first opens)";
    return std::nullopt;
  }
  auto list = PropertyListFile::readArray(kCategoriesPath);
  if (!list) error = "the category list cannot be read as an array; left as it is";
  return list;
}

PreferencesEditor::Outcome PreferencesEditor::editCategories(
    const std::function<Outcome(PlistValue::Array&)>& edit) {
  return coordinated(kCategoriesPath, [&]() -> Outcome {
    std::string error;
    auto list = readCategories(error);
    if (!list) return failed(error);
    auto outcome = edit(*list);
    if (!outcome.ok) return outcome;
    if (!PropertyListFile::write(PlistValue(std::move(*list)), kCategoriesPath)) {
      return failed("cannot write the category list");
    }
    return outcome;
  });
}

PreferencesEditor::Outcome PreferencesEditor::resetCategories() {
  return coordinated(kCategoriesPath, []() -> Outcome {
    auto& files = NSFileManager::defaultManager();
    if (!files.fileExistsAtPath(kCategoriesPath)) return {true, "no category list to remove"};
    if (!files.removeItemAtPath(kCategoriesPath)) {
      return failed("cannot remove the category list");
    }
    return {true, "category list removed; the panel makes the initial one at its next opening"};
  });
}

void PreferencesEditor::postChanged() {
  CFNotificationCenterPostNotification(CFNotificationCenterGetDarwinNotifyCenter(),
                                       kPreferencesChangedNotification, nullptr, nullptr, true);
}
