#include "Foundation/NSFileManager.h"

#include <filesystem>
#include <system_error>

#include "AtomicFile.h"
#include "SimDevice/DeviceRoot.h"

NSFileManager& NSFileManager::defaultManager() {
  static NSFileManager manager;
  return manager;
}

bool NSFileManager::fileExistsAtPath(std::string_view path) const {
  std::error_code error;
  return std::filesystem::exists(DeviceRoot::resolve(path), error);
}

bool NSFileManager::fileExistsAtPath(std::string_view path, bool& isDirectory) const {
  std::error_code error;
  const auto status = std::filesystem::status(DeviceRoot::resolve(path), error);
  isDirectory = std::filesystem::is_directory(status);
  return std::filesystem::exists(status);
}

std::optional<std::string> NSFileManager::contentsAtPath(std::string_view path,
                                                         std::size_t maxBytes) const {
  return atomic_file::read(DeviceRoot::resolve(path), maxBytes);
}

bool NSFileManager::createFileAtPath(std::string_view path, std::string_view contents) const {
  const auto target = DeviceRoot::resolve(path);
  std::error_code error;
  std::filesystem::create_directories(target.parent_path(), error);
  return atomic_file::write(target, contents);
}

bool NSFileManager::moveItemAtPath(std::string_view from, std::string_view to) const {
  std::error_code error;
  std::filesystem::rename(DeviceRoot::resolve(from), DeviceRoot::resolve(to), error);
  return !error;
}

bool NSFileManager::removeItemAtPath(std::string_view path) const {
  std::error_code error;
  return std::filesystem::remove(DeviceRoot::resolve(path), error);
}
