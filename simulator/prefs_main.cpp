// orbelle2-prefs: what the preferences bundle does, from a shell, on a device root.
#include <charconv>
#include <filesystem>
#include <iostream>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "Device.h"
#include "PreferencesEditor.h"
#include "SimDevice/DeviceRoot.h"

namespace {

constexpr char kUsage[] =
    "usage: orbelle2-prefs [--root DIR] COMMAND\n"
    "  get KEY | set KEY VALUE | unset KEY      the preferences file\n"
    "  categories                               the category list, numbered\n"
    "  hide N | show N | rename N NAME | move FROM TO | reset\n";

enum class KeyType { Boolean, Colour, Text };

// The keys the preferences bundle writes, with the type it writes them as.
const std::map<std::string, KeyType>& knownKeys() {
  static const std::map<std::string, KeyType> keys{
      {"enableDebugLogging", KeyType::Boolean},
      {"bindRingerAndAV", KeyType::Boolean},
      {"displayPercentage", KeyType::Boolean},
      {"enableBackgroundBlur", KeyType::Boolean},
      {"selectedSkin", KeyType::Text},
      {"thumbTintColor", KeyType::Colour},
      {"textColor", KeyType::Colour},
      {"minimumTrackTintColor", KeyType::Colour},
      {"maximumTrackTintColor", KeyType::Colour},
  };
  return keys;
}

int fail(const std::string& why) {
  std::cerr << "orbelle2-prefs: " << why << "\n";
  return 1;
}

int report(const PreferencesEditor::Outcome& outcome) {
  if (!outcome.ok) return fail(outcome.message);
  std::cout << outcome.message << "\n";
  return 0;
}

std::optional<std::size_t> index(const std::string& text, std::size_t count) {
  std::size_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value >= count) {
    return std::nullopt;
  }
  return value;
}

std::optional<PlistValue> typedValue(const std::string& key, const std::string& text,
                                     std::string& error) {
  const auto known = knownKeys().find(key);
  if (known == knownKeys().end()) {
    error = "unknown key " + key;
    return std::nullopt;
  }
  const PlistValue value = PreferencesEditor::parseValue(text);
  switch (known->second) {
    case KeyType::Boolean:
      if (value.isBoolean()) return value;
      error = key + " takes true or false";
      return std::nullopt;
    case KeyType::Colour:
      if (value.isInteger() && *value.integerValue() >= 0 && *value.integerValue() <= 9) {
        return value;
      }
      error = key + " takes a colour number from 0 to 9";
      return std::nullopt;
    case KeyType::Text:
      return PlistValue(text);
  }
  return std::nullopt;
}

int get(const std::string& key) {
  std::string error;
  const auto prefs = PreferencesEditor::readPreferences(error);
  if (!prefs) return fail(error);
  const auto found = prefs->find(key);
  if (found == prefs->end()) return fail(key + " is not set");
  std::cout << PreferencesEditor::describe(found->second) << "\n";
  return 0;
}

int listCategories() {
  std::string error;
  const auto list = PreferencesEditor::readCategories(error);
  if (!list) return fail(error);
  for (std::size_t i = 0; i < list->size(); ++i) {
    const PlistValue& entry = (*list)[i];
    const auto text = [&](const char* key) {
      const PlistValue* value = entry.objectForKey(key);
      return value && value->asString() ? *value->asString() : std::string("?");
    };
    const PlistValue* visible = entry.objectForKey("visible");
    std::cout << i << "  " << text("categoryName") << "  \"" << text("prettyCategoryName") << "\"  "
              << (visible && visible->boolValue().value_or(false) ? "shown" : "hidden") << "\n";
  }
  return 0;
}

// hide N, show N, rename N NAME, move FROM TO: the list is changed in a copy and written
// whole, or not at all.
PreferencesEditor::Outcome editCategory(PlistValue::Array& list,
                                        const std::vector<std::string>& args) {
  using Outcome = PreferencesEditor::Outcome;
  const std::string& command = args[0];
  const auto n = index(args[1], list.size());
  if (!n) return Outcome{false, "no category number " + args[1]};
  if (command == "move") {
    const auto to = index(args[2], list.size());
    if (!to) return Outcome{false, "no category number " + args[2]};
    PlistValue moving = list[*n];
    list.erase(list.begin() + static_cast<long>(*n));
    list.insert(list.begin() + static_cast<long>(*to), std::move(moving));
    return Outcome{true, "moved " + args[1] + " to " + args[2]};
  }
  const PlistValue::Dictionary* fields = list[*n].asDictionary();
  if (!fields) return Outcome{false, "category " + args[1] + " is not a dictionary; left as it is"};
  PlistValue::Dictionary changed = *fields;
  if (command == "rename") {
    changed["prettyCategoryName"] = args[2];
  } else {
    changed["visible"] = command == "show";
  }
  list[*n] = PlistValue(std::move(changed));
  return Outcome{true, command + " " + args[1]};
}

int editCategories(const std::vector<std::string>& args) {
  return report(PreferencesEditor::editCategories(
      [&](PlistValue::Array& list) { return editCategory(list, args); }));
}

int run(const std::vector<std::string>& args) {
  const std::string& command = args[0];
  const std::size_t count = args.size() - 1;
  if (command == "get" && count == 1) return get(args[1]);
  if (command == "set" && count == 2) {
    std::string error;
    auto value = typedValue(args[1], args[2], error);
    if (!value) return fail(error);
    return report(PreferencesEditor::setPreference(args[1], std::move(*value)));
  }
  if (command == "unset" && count == 1) return report(PreferencesEditor::unsetPreference(args[1]));
  if (command == "categories" && count == 0) return listCategories();
  if ((command == "hide" || command == "show") && count == 1) return editCategories(args);
  if ((command == "rename" || command == "move") && count == 2) return editCategories(args);
  if (command == "reset" && count == 0) return report(PreferencesEditor::resetCategories());
  std::cerr << kUsage;
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  std::filesystem::path root = DeviceRoot::defaultPath();
  if (args.size() >= 2 && args[0] == "--root") {
    root = args[1];
    args.erase(args.begin(), args.begin() + 2);
  }
  if (args.empty()) {
    std::cerr << kUsage;
    return 2;
  }
  std::error_code error;
  if (!std::filesystem::is_directory(root, error)) return fail("no device at " + root.string());
  DeviceRoot::setPath(std::filesystem::absolute(root, error));
  return run(args);
}
