#pragma once

#include <filesystem>
#include <string>

// Why a file operation on the device failed: the host path it stopped at and the system's error.
struct FileError {
  std::filesystem::path path;
  int code = 0;        // an errno value
  std::string detail;  // said instead of the system's text where it says more

  // "PATH is a link, which is not followed", "PATH: No space left on device", or PATH and the
  // detail.
  std::string describe() const;
};
