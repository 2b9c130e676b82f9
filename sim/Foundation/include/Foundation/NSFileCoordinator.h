#pragma once

#include <functional>
#include <string_view>

// Serialises writers of one file across every process of the device, as file coordination does:
// the accessor runs while this process holds the file's write claim, and any other coordinated
// writer of the same file waits until it returns. Claims are exclusive advisory locks (flock)
// on a lock file beside the item, ".<name>.lock", which stays there for the next writer.
class NSFileCoordinator {
 public:
  // Runs `accessor` under the claim and answers true; answers false without running it when the
  // claim cannot be made (the item's folder cannot be created or the lock file opened).
  bool coordinateWritingItemAtPath(std::string_view path, const std::function<void()>& accessor);
};
