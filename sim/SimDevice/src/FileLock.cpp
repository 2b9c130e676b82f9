#include "SimDevice/FileLock.h"

#include <unistd.h>

bool FileLock::record(const std::string& text) const {
  return ::ftruncate(fd_.get(), 0) == 0 &&
         ::pwrite(fd_.get(), text.data(), text.size(), 0) == static_cast<ssize_t>(text.size());
}
