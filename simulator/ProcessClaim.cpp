#include "ProcessClaim.h"

#include <unistd.h>

#include <cctype>
#include <cerrno>

#include "Arguments.h"

namespace {

constexpr std::size_t kLongestPid = 32;

// The holder's process id as its lock file records it; "?" when it cannot be read yet.
std::string holder(const FolderHandle& folder, const std::string& lockName) {
  FileError ignored;
  const auto text = folder.read(lockName, kLongestPid, ignored);
  const auto pid = text ? arguments::number<long>(*text) : std::nullopt;
  return pid ? std::to_string(*pid) : "?";
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
