#include "mixer/MachineModel.h"

#include <cstring>
#include <vector>

#include "System/sysctl.h"

std::string machineModel() {
  std::size_t length = 0;
  if (sysctlbyname("hw.machine", nullptr, &length, nullptr, 0) != 0 || length == 0) return {};
  std::vector<char> buffer(length);
  if (sysctlbyname("hw.machine", buffer.data(), &length, nullptr, 0) != 0) return {};
  return std::string(buffer.data(), strnlen(buffer.data(), length));
}
