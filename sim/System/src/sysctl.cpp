#include "System/sysctl.h"

#include <cerrno>
#include <cstring>
#include <string>

#include "SimDevice/DeviceModel.h"

namespace {

int fail(int error) {
  errno = error;
  return -1;
}

}  // namespace

int sysctlbyname(const char* name, void* oldp, std::size_t* oldlenp, const void* newp,
                 std::size_t /*newlen*/) {
  if (name == nullptr || std::strcmp(name, "hw.machine") != 0) return fail(ENOENT);
  if (newp != nullptr) return fail(EPERM);
  if (oldlenp == nullptr) return fail(EINVAL);
  const std::string value = DeviceModel::identifier();
  const std::size_t needed = value.size() + 1;
  if (oldp == nullptr) {
    *oldlenp = needed;
    return 0;
  }
  if (*oldlenp < needed) {
    std::memcpy(oldp, value.c_str(), *oldlenp);
    return fail(ENOMEM);
  }
  std::memcpy(oldp, value.c_str(), needed);
  *oldlenp = needed;
  return 0;
}
