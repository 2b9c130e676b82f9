#pragma once

#include <optional>
#include <string>
#include <string_view>

// The file operations the system needs, on device paths (resolved under the DeviceRoot).
class NSFileManager {
 public:
  static NSFileManager& defaultManager();

  bool fileExistsAtPath(std::string_view path) const;
  // The file's bytes; no result when it is missing or unreadable.
  std::optional<std::string> contentsAtPath(std::string_view path) const;
  // Writes atomically, creating missing parent folders; a failed write leaves any old file
  // untouched and answers false.
  bool createFileAtPath(std::string_view path, std::string_view contents) const;
  bool removeItemAtPath(std::string_view path) const;
};
