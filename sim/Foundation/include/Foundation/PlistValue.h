#pragma once

#include <compare>
#include <concepts>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <variant>
#include <vector>

// One property-list value: what NSString, NSNumber, NSData, NSDate, NSArray and NSDictionary
// hold when they come out of a plist. Values, not references: copying a PlistValue copies it.
class PlistValue {
 public:
  using Array = std::vector<PlistValue>;
  using Dictionary = std::map<std::string, PlistValue, std::less<>>;
  using Data = std::vector<std::uint8_t>;
  struct Date {
    double secondsSinceReferenceDate = 0;  // since 2001-01-01 00:00:00 UTC, as NSDate counts
    bool operator==(const Date&) const = default;
  };

  PlistValue() : storage_(std::string()) {}
  PlistValue(std::string text) : storage_(std::move(text)) {}
  PlistValue(const char* text) : storage_(std::string(text)) {}
  PlistValue(bool flag) : storage_(flag) {}
  template <std::integral T>
  requires(!std::same_as<T, bool>) PlistValue(T number)
      : storage_(static_cast<std::int64_t>(number)) {}
  PlistValue(double number) : storage_(number) {}
  PlistValue(Data bytes) : storage_(std::move(bytes)) {}
  PlistValue(Date date) : storage_(date) {}
  PlistValue(Array items) : storage_(std::move(items)) {}
  PlistValue(Dictionary entries) : storage_(std::move(entries)) {}

  bool operator==(const PlistValue&) const = default;

  // The value itself when it has that type, else null.
  const std::string* asString() const { return std::get_if<std::string>(&storage_); }
  const Array* asArray() const { return std::get_if<Array>(&storage_); }
  const Dictionary* asDictionary() const { return std::get_if<Dictionary>(&storage_); }

  // Moves the array or dictionary out of the value; no result for other types.
  std::optional<Array> takeArray() &&;
  std::optional<Dictionary> takeDictionary() &&;

  // Foundation's conversions of NSNumber and NSString (boolValue, integerValue, floatValue).
  // Data, dates, arrays and dictionaries do not convert: no result.
  std::optional<bool> boolValue() const;
  std::optional<std::int64_t> integerValue() const;
  std::optional<float> floatValue() const;

  // The value under `key` when this is a dictionary holding it, else null.
  const PlistValue* objectForKey(std::string_view key) const;

  template <class Visitor>
  decltype(auto) visit(Visitor&& visitor) const {
    return std::visit(std::forward<Visitor>(visitor), storage_);
  }

 private:
  std::variant<std::string, bool, std::int64_t, double, Data, Date, Array, Dictionary> storage_;
};
