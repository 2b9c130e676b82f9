#include "mixer/PreferenceValues.h"

#include "mixer/ColorTable.h"

namespace preference_values {
namespace {

const PlistValue* find(const PlistValue::Dictionary& prefs, std::string_view key) {
  const auto found = prefs.find(key);
  return found == prefs.end() ? nullptr : &found->second;
}

}  // namespace

bool boolean(const PlistValue::Dictionary& prefs, std::string_view key, bool fallback) {
  const PlistValue* value = find(prefs, key);
  return value ? value->boolValue().value_or(fallback) : fallback;
}

std::string string(const PlistValue::Dictionary& prefs, std::string_view key,
                   std::string_view fallback) {
  const PlistValue* value = find(prefs, key);
  const std::string* text = value ? value->asString() : nullptr;
  return text ? *text : std::string(fallback);
}

UIColor color(const PlistValue::Dictionary& prefs, std::string_view key, UIColor fallback) {
  const PlistValue* value = find(prefs, key);
  const auto index = value ? value->integerValue() : std::nullopt;
  return index ? colorForIndex(*index) : fallback;
}

}  // namespace preference_values
