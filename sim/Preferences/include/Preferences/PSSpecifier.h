#pragma once

#include <optional>
#include <string>

#include "Foundation/PlistValue.h"

// One item of a preferences page (the framework's PSSpecifier), as the framework reads it from a
// bundle's plist: a group, a switch, a list of choices, a link or a button, with the key it
// shows and writes, the domain it lives in ("defaults"), its default and the notification posted
// after a change.
class PSSpecifier {
 public:
  enum class Cell { Group, Switch, LinkList, Link, Button };

  // Nothing for an item that is not a dictionary or names no cell this framework knows.
  static std::optional<PSSpecifier> fromDictionary(const PlistValue& item);

  Cell cell() const { return cell_; }
  const std::string& label() const { return label_; }
  std::string property(const char* name) const;  // a text property; empty when absent
  const PlistValue* value(const char* name) const;

  std::string key() const { return property("key"); }
  std::string defaults() const { return property("defaults"); }
  // The title of `choice` among the valid values; the value's own text when none matches.
  std::string titleOfValue(const PlistValue& choice) const;

 private:
  Cell cell_ = Cell::Group;
  std::string label_;
  PlistValue::Dictionary properties_;
};
