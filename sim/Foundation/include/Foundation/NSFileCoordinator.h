#pragma once

#include <functional>
#include <string_view>

#include "Foundation/NSError.h"

// Serialises writers of one file across every process of the device, as file coordination does:
// the accessor runs while this process holds the file's write claim, and any other coordinated
// writer of the same file waits until it returns. Claims are exclusive advisory locks (flock)
// on a lock file beside the item, ".<name>.lock", which stays there for the next writer. The
// wait is bounded (FileLock::kLongestWait): a claim another process never lets go is a failure.
class NSFileCoordinator {
 public:
  // Runs `accessor` under the claim and answers true; answers false without running it, saying
  // why in `error`, when the claim cannot be made (the item's folder cannot be created, the lock
  // file cannot be opened, or another process holds the claim too long).
  bool coordinateWritingItemAtPath(std::string_view path, const std::function<void()>& accessor,
                                   NSError* error = nullptr);
};
