#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "Foundation/NSError.h"

// The file operations the system needs, on device paths (resolved under the DeviceRoot). None
// follows a link inside the device: a link where a file or folder is expected is refused. Each
// fallible call says why in `error` when one is given.
class NSFileManager {
 public:
  static NSFileManager& defaultManager();

  bool fileExistsAtPath(std::string_view path) const;
  bool fileExistsAtPath(std::string_view path, bool& isDirectory) const;
  // A regular file's bytes; no result when it is missing, unreadable, not a regular file or
  // larger than `maxBytes`.
  std::optional<std::string> contentsAtPath(std::string_view path, std::size_t maxBytes = SIZE_MAX,
                                            NSError* error = nullptr) const;
  // Writes atomically, creating missing parent folders; a failed write leaves any old file
  // untouched and answers false.
  bool createFileAtPath(std::string_view path, std::string_view contents,
                        NSError* error = nullptr) const;
  bool removeItemAtPath(std::string_view path, NSError* error = nullptr) const;
  // Renames; the bytes are never copied. As Foundation's, it fails when an item is at `to`
  // already ("NSFileWriteFileExistsError").
  bool moveItemAtPath(std::string_view from, std::string_view to, NSError* error = nullptr) const;
};
