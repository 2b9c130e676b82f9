#pragma once

#include <filesystem>
#include <string>
#include <string_view>

// A fresh, empty device root for one test; the previous root comes back and the folder is
// removed when it goes out of scope.
class TempDeviceRoot {
 public:
  TempDeviceRoot();
  TempDeviceRoot(const TempDeviceRoot&) = delete;
  TempDeviceRoot& operator=(const TempDeviceRoot&) = delete;
  ~TempDeviceRoot();

  const std::filesystem::path& path() const { return root_; }
  // Host path of a device path, creating its parent folders.
  std::filesystem::path prepare(std::string_view devicePath) const;
  void writeBytes(std::string_view devicePath, std::string_view bytes) const;
  std::string readBytes(std::string_view devicePath) const;
  bool exists(std::string_view devicePath) const;

 private:
  std::filesystem::path root_;
  std::filesystem::path previous_;
};

// Copies the built package tree (or the one folder of it given, as a device path) onto the
// current device root.
void installPackage(std::string_view folder = "");
