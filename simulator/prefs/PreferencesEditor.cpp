#include "prefs/PreferencesEditor.h"

#include <cstdio>

#include "Foundation/Overloaded.h"
#include "common/Arguments.h"
#include "common/DisplayText.h"
#include "orbelle2/PreferenceFiles.h"
#include "orbelle2/PreferenceKeys.h"
#include "prefs/CategoryListEditor.h"
#include "prefs/PreferenceWriter.h"

namespace {

// Words to a typed value where they read as one; as text otherwise, for the bundle to refuse.
PlistValue typed(const BooleanPreference&, const std::string& text) {
  if (text == "true" || text == "false") return PlistValue(text == "true");
  return PlistValue(text);
}

PlistValue typed(const ColorPreference&, const std::string& text) {
  const auto index = arguments::number<std::int64_t>(text);
  return index ? PlistValue(*index) : PlistValue(text);
}

PlistValue typed(const TextPreference&, const std::string& text) {
  return PlistValue(text);
}

std::string colorRange() {
  return "0 to " + std::to_string(color_index::kCount - 1);
}

std::string valuesHelp(const BooleanPreference& key) {
  return std::string("true|false   default ") + (key.fallback ? "true" : "false");
}

std::string valuesHelp(const ColorPreference& key) {
  return colorRange() + "       default " + std::to_string(key.fallback) + " (" +
         std::string(color_index::kNames[static_cast<std::size_t>(key.fallback)]) + ")";
}

std::string valuesHelp(const TextPreference& key) {
  std::string values = "text";
  if (!key.choices.empty()) {
    values.clear();
    for (const auto choice : key.choices)
      values += (values.empty() ? "" : "|") + std::string(choice);
  }
  return values + "  default \"" + std::string(key.fallback) + "\"";
}

// What the bundle answered, as a Result: `done` when it did it, else its reason.
Result<std::string> outcome(bool made, const NSError& error, std::string done) {
  if (!made) return fail(error.localizedDescription);
  return done;
}

std::string keyNames() {
  std::string names;
  for (const auto& key : preference_keys::kAll) {
    names += (names.empty() ? "" : ", ") +
             std::string(std::visit([](const auto& known) { return known.name; }, key));
  }
  return names;
}

}  // namespace

Result<Ok> PreferencesEditor::checkKey(const std::string& key) {
  if (preference_keys::find(key)) return Ok{};
  return fail("unknown key " + display_text::quoted(key) + "; the keys are " + keyNames());
}

Result<PlistValue> PreferencesEditor::preferenceFromText(const std::string& key,
                                                         const std::string& text) {
  const PreferenceKey* known = preference_keys::find(key);
  if (!known) return checkKey(key).failure();
  PlistValue value =
      std::visit([&](const auto& typedKey) { return typed(typedKey, text); }, *known);
  NSError error;
  if (!PreferenceWriter::check(key, value, &error)) return fail(error.localizedDescription);
  return value;
}

Result<std::size_t> PreferencesEditor::categoryNumber(const std::string& text) {
  const auto number = arguments::number<std::size_t>(text);
  if (!number) return fail("no category number " + display_text::quoted(text));
  return *number;
}

Result<Ok> PreferencesEditor::checkName(const std::string& name) {
  if (const auto refusal = CategoryListEditor::nameRefusal(name)) return fail(*refusal);
  return Ok{};
}

Result<std::string> PreferencesEditor::setPreferenceFromText(const std::string& key,
                                                             const std::string& text) {
  auto value = preferenceFromText(key, text);
  if (!value) return value.failure();
  return setPreference(key, std::move(*value));
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
  NSError error;
  auto prefs = PreferenceWriter::read(&error);
  if (!prefs) return fail(error.localizedDescription);
  return std::move(*prefs);
}

Result<std::string> PreferencesEditor::setPreference(const std::string& key, PlistValue value) {
  const std::string shown = key + "=" + describe(value);
  NSError error;
  return outcome(PreferenceWriter::set(key, std::move(value), &error), error, shown);
}

Result<std::string> PreferencesEditor::unsetPreference(const std::string& key) {
  NSError error;
  return outcome(PreferenceWriter::unset(key, &error), error, "unset " + key);
}

Result<PlistValue::Array> PreferencesEditor::readCategories() {
  NSError error;
  auto list = CategoryListEditor::read(&error);
  if (!list) return fail(error.localizedDescription);
  return std::move(*list);
}

Result<std::string> PreferencesEditor::editCategory(const std::vector<std::string>& words) {
  const std::string& command = words.at(0);
  const auto n = categoryNumber(words.at(1));
  if (!n) return n.failure();
  NSError error;
  if (command == "move") {
    const auto to = categoryNumber(words.at(2));
    if (!to) return to.failure();
    return outcome(CategoryListEditor::move(*n, *to, &error), error,
                   "moved " + words[1] + " to " + words[2]);
  }
  const bool made = command == "rename"
                        ? CategoryListEditor::rename(*n, words.at(2), &error)
                        : CategoryListEditor::setVisible(*n, command == "show", &error);
  return outcome(made, error, command + " " + words[1]);
}

Result<std::string> PreferencesEditor::resetCategories() {
  CategoryListEditor::Reset done{};
  NSError error;
  const bool made = CategoryListEditor::reset(done, &error);
  switch (done) {
    case CategoryListEditor::Reset::Removed:
      return outcome(made, error,
                     "category list removed; the panel makes the initial one at its next opening");
    case CategoryListEditor::Reset::SetAside:
      return outcome(made, error,
                     std::string("unreadable category list moved to ") + kUnreadableCategoriesPath +
                         "; the panel makes the initial one at its next opening");
    case CategoryListEditor::Reset::NothingThere:
      break;
  }
  return outcome(made, error, "no category list to remove");
}
