#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "Foundation/NSError.h"
#include "Foundation/PlistValue.h"

// Property-list files on the device, as NSDictionary/NSArray initWithContentsOfFile: and
// writeToFile:atomically: treat them. Paths are device paths (resolved under the DeviceRoot).
class PropertyListFile {
 public:
  // Binary, or XML in UTF-8 (with or without a byte-order mark) or UTF-16 (with one). A
  // missing file, a parse error, another root type, or a file over 32 MiB or nested over 256
  // levels (no preference file is): no result, and why in `error`.
  static std::optional<PlistValue::Dictionary> readDictionary(std::string_view path,
                                                              NSError* error = nullptr);
  static std::optional<PlistValue::Array> readArray(std::string_view path,
                                                    NSError* error = nullptr);

  // An XML property list, written atomically: false, and the old file untouched, on failure.
  // A file the readers above would refuse (over their bounds, or not reading back as `root`
  // exactly, as a string holding a NUL does not) is never written.
  static bool write(const PlistValue& root, std::string_view path, NSError* error = nullptr);

  // The same conversions on bytes in memory.
  static std::optional<PlistValue> parse(std::string_view bytes);
  static std::string xmlData(const PlistValue& root);
};
