#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The file operations the system needs, on device paths (resolved under the DeviceRoot).
class NSFileManager {
 public:
  static NSFileManager& defaultManager();

  bool fileExistsAtPath(std::string_view path) const;
  bool fileExistsAtPath(std::string_view path, bool& isDirectory) const;
  // The file's bytes; no result when it is missing, unreadable or larger than `maxBytes`.
  std::optional<std::string> contentsAtPath(std::string_view path,
                                            std::size_t maxBytes = SIZE_MAX) const;
  // Writes atomically, creating missing parent folders; a failed write leaves any old file
  // untouched and answers false.
  bool createFileAtPath(std::string_view path, std::string_view contents) const;
  bool removeItemAtPath(std::string_view path) const;
  // Renames, replacing whatever `to` was; the bytes are never copied.
  bool moveItemAtPath(std::string_view from, std::string_view to) const;
};
