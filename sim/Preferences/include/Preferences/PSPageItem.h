#pragma once

#include <optional>
#include <string>

#include "Foundation/PlistValue.h"

// One item of a preferences page, as the framework reads it from a specifier list: its cell
// type, its label and the rest of its dictionary (the key it shows and writes, the domain that
// holds it ("defaults"), its default, the notification posted after a change, and the keys of
// its cell type).
class PSSpecifier {
 public:
  enum class Cell {
    Group,
    Switch,
    LinkList,
    Link,
    Button,
    EditText,
    SecureText,
    Slider,
    Segment,
    StaticText,
    TitleValue,
    Unknown,  // drawn as a plain cell with its label
  };

  // Nothing for an item that is not a dictionary.
  static std::optional<PSSpecifier> fromDictionary(const PlistValue& item);

  Cell cell() const { return cell_; }
  // The "cell" text as given, for what is said of an unknown one.
  std::string cellName() const { return property("cell"); }
  const std::string& label() const { return label_; }
  std::string property(const char* name) const;  // a text property; empty when absent
  const PlistValue* value(const char* name) const;
  void setProperty(const std::string& name, PlistValue value);
  // A boolean property, as NSNumber's boolValue reads it; `fallback` when absent.
  bool flag(const char* name, bool fallback) const;
  // A number property; `fallback` when absent or not a number.
  double number(const char* name, double fallback) const;

  // "id", else the label.
  std::string identifier() const;
  std::string key() const { return property("key"); }
  std::string defaults() const { return property("defaults"); }
  bool isEnabled() const { return flag("enabled", true); }

  // The choices of a list or a segment: "validValues", "validTitles" and "shortTitles".
  const PlistValue::Array& values() const;
  const PlistValue::Array& titles() const;
  // The title of `choice` among the values (its short title when `shortTitle` and there is
  // one); the value's own text when none matches.
  std::string titleOfValue(const PlistValue& choice, bool shortTitle = false) const;
  // Where `choice` stands among the values; nothing when none matches.
  std::optional<std::size_t> indexOfValue(const PlistValue& choice) const;
  // As NSNumber's isEqual: numbers (booleans among them) match by value, anything else by
  // type and contents.
  static bool sameValue(const PlistValue& one, const PlistValue& other);

 private:
  Cell cell_ = Cell::Group;
  std::string label_;
  PlistValue::Dictionary properties_;
};
