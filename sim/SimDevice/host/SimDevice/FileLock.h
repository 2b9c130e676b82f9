#pragma once

#include <chrono>
#include <string>

#include "SimDevice/FileDescriptor.h"

// An exclusive advisory lock (flock) on a lock file, held until this is destroyed. Waits for one
// are bounded: a process that never lets go makes the next one fail, never hang.
class FileLock {
 public:
  // How long a writer waits for another process's claim before it gives up.
  static constexpr std::chrono::seconds kLongestWait{3};

  explicit FileLock(FileDescriptor fd) : fd_(std::move(fd)) {}

  // Replaces the lock file's content with `text` (the holder's process id, say), so that a
  // process turned away can tell who holds it.
  bool record(const std::string& text) const;

 private:
  FileDescriptor fd_;
};
