#include "Foundation/PlistValue.h"

#include "Foundation/Overloaded.h"

#include <cmath>
#include <limits>

#include "NumericText.h"

namespace {

std::int64_t truncateToInteger(double number) {
  if (std::isnan(number)) return 0;
  // The first double beyond the integers: the largest one, rounded up to a power of two.
  constexpr double kBeyond = -static_cast<double>(std::numeric_limits<std::int64_t>::min());
  if (number >= kBeyond) return std::numeric_limits<std::int64_t>::max();
  if (number < -kBeyond) return std::numeric_limits<std::int64_t>::min();
  return static_cast<std::int64_t>(number);
}

}  // namespace

std::optional<bool> PlistValue::boolValue() const {
  return visit(Overloaded{
      [](const std::string& text) -> std::optional<bool> { return numeric_text::boolValue(text); },
      [](bool flag) -> std::optional<bool> { return flag; },
      [](std::int64_t number) -> std::optional<bool> { return number != 0; },
      [](double number) -> std::optional<bool> { return number != 0.0; },
      [](const auto&) -> std::optional<bool> { return std::nullopt; },
  });
}

std::optional<std::int64_t> PlistValue::integerValue() const {
  using Result = std::optional<std::int64_t>;
  return visit(Overloaded{
      [](const std::string& text) -> Result { return numeric_text::integerValue(text); },
      [](bool flag) -> Result { return flag ? 1 : 0; },
      [](std::int64_t number) -> Result { return number; },
      [](double number) -> Result { return truncateToInteger(number); },
      [](const auto&) -> Result { return std::nullopt; },
  });
}

std::optional<float> PlistValue::floatValue() const {
  using Result = std::optional<float>;
  return visit(Overloaded{
      [](const std::string& text) -> Result { return numeric_text::floatValue(text); },
      [](bool flag) -> Result { return flag ? 1.0f : 0.0f; },
      [](std::int64_t number) -> Result { return static_cast<float>(number); },
      [](double number) -> Result { return numeric_text::narrowToFloat(number); },
      [](const auto&) -> Result { return std::nullopt; },
  });
}

const PlistValue* PlistValue::objectForKey(std::string_view key) const {
  const Dictionary* entries = asDictionary();
  if (entries == nullptr) return nullptr;
  const auto found = entries->find(key);
  return found == entries->end() ? nullptr : &found->second;
}

std::optional<PlistValue::Array> PlistValue::takeArray() && {
  auto* items = std::get_if<Array>(&storage_);
  if (items == nullptr) return std::nullopt;
  return std::move(*items);
}

std::optional<PlistValue::Dictionary> PlistValue::takeDictionary() && {
  auto* entries = std::get_if<Dictionary>(&storage_);
  if (entries == nullptr) return std::nullopt;
  return std::move(*entries);
}
