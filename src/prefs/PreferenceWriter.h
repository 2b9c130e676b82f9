#pragma once

#include <optional>
#include <string>

#include "Foundation/NSError.h"
#include "Foundation/PlistValue.h"

// The preferences file as the preferences bundle keeps it: each change read, made and written
// atomically under the file's write claim, then announced. A file that exists but cannot be read
// is never overwritten. Failures answer false (or nothing) with why in `error`.
class PreferenceWriter {
 public:
  // The dictionary: empty when there is no file; nothing when it cannot be read.
  static std::optional<PlistValue::Dictionary> read(NSError* error = nullptr);
  // Whether `key` is a key the tweak reads and `value` one it stores there; why not in `error`.
  // Looks at no file.
  static bool check(const std::string& key, const PlistValue& value, NSError* error = nullptr);
  // Stores `value` under `key`, a key the tweak reads, with the type it reads: a boolean, a
  // colour number of the table, or plain text (UTF-8 without a control character), one of the
  // key's choices where it has them.
  static bool set(const std::string& key, PlistValue value, NSError* error = nullptr);
  // Takes the key out, so that the tweak uses its default; a key not there is an error.
  static bool unset(const std::string& key, NSError* error = nullptr);
};
