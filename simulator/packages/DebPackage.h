#pragma once

#include <chrono>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "common/Result.h"
#include "packages/TarEntries.h"

// A Debian package file, read whole and checked before anything is written: an "ar" archive
// that starts with "debian-binary", whose control names the package and its version, and
// whose data is a tree the device may take (see TarEntries). dpkg-deb reads the control and
// unpacks the data stream; this reads the stream itself.
struct DebPackage {
  static constexpr std::chrono::milliseconds kLongestRead{20000};
  static constexpr std::size_t kLargestData = 256u << 20;

  std::string name;     // the control's Package
  std::string version;  // its Version
  std::vector<TarEntry> entries;

  static Result<DebPackage> read(const std::filesystem::path& file);
  // As Debian names packages: lower-case letters, digits, "+", "-" and ".", at least two, not
  // starting with a dot.
  static bool isPackageName(std::string_view name);
};
