#include "Foundation/NSFileCoordinator.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <system_error>

#include "SimDevice/DeviceRoot.h"

namespace {

// The lock file's descriptor, holding the claim until it is closed.
class Claim {
 public:
  explicit Claim(const std::filesystem::path& lockFile)
      : fd_(::open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644)) {
    if (fd_ < 0) return;
    int locked;
    do {
      locked = ::flock(fd_, LOCK_EX);
    } while (locked != 0 && errno == EINTR);
    if (locked != 0) release();
  }
  Claim(const Claim&) = delete;
  Claim& operator=(const Claim&) = delete;
  ~Claim() { release(); }
  bool held() const { return fd_ >= 0; }

 private:
  void release() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
  }
  int fd_;
};

}  // namespace

bool NSFileCoordinator::coordinateWritingItemAtPath(std::string_view path,
                                                    const std::function<void()>& accessor) {
  const auto item = DeviceRoot::resolve(path);
  std::error_code error;
  std::filesystem::create_directories(item.parent_path(), error);
  const Claim claim(item.parent_path() / ("." + item.filename().string() + ".lock"));
  if (!claim.held()) return false;
  accessor();
  return true;
}
