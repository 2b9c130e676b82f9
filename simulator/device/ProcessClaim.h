#pragma once

#include <string>

#include "SimDevice/FileLock.h"
#include "SimDevice/FolderHandle.h"
#include "common/Result.h"

// A folder that one program run holds for as long as it runs: an exclusive flock on a lock file
// in it that records the holder's process id. A second run is turned away at once, told who
// holds it; the lock goes with the process, however it ends.
class ProcessClaim {
 public:
  // Claims `folder` through its lock file `lockName`. `what` names the folder in the refusal
  // ("device root R"), `elsewhere` says what to do instead.
  static Result<ProcessClaim> take(const FolderHandle& folder, const std::string& lockName,
                                   const std::string& what, const std::string& elsewhere);

 private:
  explicit ProcessClaim(FileLock lock) : lock_(std::move(lock)) {}
  FileLock lock_;
};
