#include "Foundation/NSFileManager.h"

#include <filesystem>
#include <system_error>

#include "SimDevice/DeviceRoot.h"

namespace {

constexpr mode_t kFileMode = 0644;

bool failed(const FileError& cause, NSError* error) {
  if (error) error->localizedDescription = cause.describe();
  return false;
}

}  // namespace

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
                                                         std::size_t maxBytes,
                                                         NSError* error) const {
  const auto [folderPath, name] = DeviceRoot::split(path);
  FileError cause;
  const auto folder = DeviceRoot::folder(folderPath, false, cause);
  auto bytes = folder ? folder->read(name, maxBytes, cause) : std::nullopt;
  if (!bytes) failed(cause, error);
  return bytes;
}

bool NSFileManager::createFileAtPath(std::string_view path, std::string_view contents,
                                     NSError* error) const {
  const auto [folderPath, name] = DeviceRoot::split(path);
  FileError cause;
  const auto folder = DeviceRoot::folder(folderPath, true, cause);
  return (folder && folder->replace(name, contents, kFileMode, cause)) || failed(cause, error);
}

bool NSFileManager::moveItemAtPath(std::string_view from, std::string_view to,
                                   NSError* error) const {
  const auto [fromPath, fromName] = DeviceRoot::split(from);
  const auto [toPath, toName] = DeviceRoot::split(to);
  FileError cause;
  const auto source = DeviceRoot::folder(fromPath, false, cause);
  const auto target = source ? DeviceRoot::folder(toPath, true, cause) : std::nullopt;
  return (target && source->rename(fromName, *target, toName, cause)) || failed(cause, error);
}

bool NSFileManager::removeItemAtPath(std::string_view path, NSError* error) const {
  const auto [folderPath, name] = DeviceRoot::split(path);
  FileError cause;
  const auto folder = DeviceRoot::folder(folderPath, false, cause);
  return (folder && folder->remove(name, cause)) || failed(cause, error);
}
