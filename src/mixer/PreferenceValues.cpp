#include "mixer/PreferenceValues.h"

#include "mixer/ColorTable.h"

namespace preference_values {
namespace {

const PlistValue* find(const PlistValue::Dictionary& prefs, std::string_view key) {
  const auto found = prefs.find(key);
  return found == prefs.end() ? nullptr : &found->second;
}

}  // namespace

bool read(const PlistValue::Dictionary& prefs, const BooleanPreference& key) {
  const PlistValue* value = find(prefs, key.name);
  return value ? value->boolValue().value_or(key.fallback) : key.fallback;
}

std::string read(const PlistValue::Dictionary& prefs, const TextPreference& key) {
  const PlistValue* value = find(prefs, key.name);
  const std::string* text = value ? value->asString() : nullptr;
  return text ? *text : std::string(key.fallback);
}

UIColor read(const PlistValue::Dictionary& prefs, const ColorPreference& key) {
  return colorForIndex(colorIndex(prefs, key));
}

std::int64_t colorIndex(const PlistValue::Dictionary& prefs, const ColorPreference& key) {
  const PlistValue* value = find(prefs, key.name);
  const auto index = value ? value->integerValue() : std::nullopt;
  const std::int64_t stored = index.value_or(key.fallback);
  return stored >= 0 && stored < color_index::kCount ? stored : color_index::kWhite;
}

}  // namespace preference_values
