#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>

#include "Foundation/NSError.h"
#include "Foundation/PlistValue.h"

// The category list as the preferences bundle's editor changes it: each edit read, made and
// written atomically under the list's write claim, then announced. A list that cannot be read
// is never written over. Entries are numbered from 0 in the list's order. Failures answer false
// (or nothing) with why in `error`.
class CategoryListEditor {
 public:
  // What an edit does with a list not there yet: refuses, or starts from the list the panel
  // would write at its first opening (as the editor shows it).
  enum class Missing { Refuse, StartFromInitial };

  // The list; nothing when it is missing (the panel makes it at its first opening) or
  // unreadable.
  static std::optional<PlistValue::Array> read(NSError* error = nullptr);

  static bool setVisible(std::size_t index, bool visible, NSError* error = nullptr,
                         Missing missing = Missing::Refuse);
  // The name the panel shows: not blank, plain text (UTF-8 without a control character).
  static bool rename(std::size_t index, const std::string& name, NSError* error = nullptr,
                     Missing missing = Missing::Refuse);
  // Takes the entry out and puts it back at `to`, counted in the list without it.
  static bool move(std::size_t from, std::size_t to, NSError* error = nullptr,
                   Missing missing = Missing::Refuse);
  // What a reset did.
  enum class Reset { NothingThere, Removed, SetAside };
  // Removes the list, so that the panel writes its initial one at its next opening; a list that
  // cannot be read is moved aside instead, as the panel would move it.
  static bool reset(Reset& done, NSError* error = nullptr);

  // Why a name would be refused; nothing for a name `rename` takes.
  static std::optional<std::string> nameRefusal(const std::string& name);

 private:
  static bool edit(const std::function<bool(PlistValue::Array&, NSError*)>& change, NSError* error,
                   Missing missing);
  static bool changeEntry(std::size_t index, const std::function<void(PlistValue::Dictionary&)>&,
                          NSError* error, Missing missing);
};
