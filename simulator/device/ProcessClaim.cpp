#include "device/ProcessClaim.h"

#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <thread>

#include "common/Arguments.h"

namespace {

constexpr std::size_t kLongestPid = 32;
constexpr int kPidAttempts = 20;
constexpr std::chrono::milliseconds kPidPoll{10};

// The holder's process id as its lock file records it, given a moment to write it after taking
// the lock; "?" when it does not.
std::string holder(const FolderHandle& folder, const std::string& lockName) {
  for (int attempt = 0; attempt < kPidAttempts; ++attempt) {
    FileError ignored;
    const auto text = folder.read(lockName, kLongestPid, ignored);
    if (const auto pid = arguments::number<long>(text ? *text : "")) return std::to_string(*pid);
    std::this_thread::sleep_for(kPidPoll);
  }
  return "?";
}

}  // namespace

Result<ProcessClaim> ProcessClaim::take(const FolderHandle& folder, const std::string& lockName,
                                        const std::string& what, const std::string& elsewhere) {
  FileError error;
  auto lock = folder.lock(lockName, std::chrono::milliseconds(0), error);
  if (!lock) {
    if (error.code != EWOULDBLOCK) return fail("cannot claim " + what + ": " + error.describe());
    return fail(what + " is in use by another orbelle2-sim (pid " + holder(folder, lockName) +
                "); " + elsewhere);
  }
  if (!lock->record(std::to_string(::getpid()))) {
    return fail("cannot claim " + what + ": cannot write " + (folder.path() / lockName).string());
  }
  return ProcessClaim(std::move(*lock));
}
