#pragma once

#include <filesystem>

// The folder of the program running (read through /proc/self/exe): the programs that come with
// it (orbelle2-app, orbelle2-prefs) are found beside it, and the build tree above it.
inline std::filesystem::path programFolder() {
  std::error_code error;
  return std::filesystem::read_symlink("/proc/self/exe", error).parent_path();
}
