#include "Foundation/NSFileCoordinator.h"

#include "SimDevice/DeviceRoot.h"

bool NSFileCoordinator::coordinateWritingItemAtPath(std::string_view path,
                                                    const std::function<void()>& accessor,
                                                    NSError* error) {
  const auto [folderPath, name] = DeviceRoot::split(path);
  FileError cause;
  const auto folder = DeviceRoot::folder(folderPath, true, cause);
  const auto claim =
      folder ? folder->lock("." + name + ".lock", FileLock::kLongestWait, cause) : std::nullopt;
  if (!claim) {
    if (error) error->localizedDescription = cause.describe();
    return false;
  }
  accessor();
  return true;
}
