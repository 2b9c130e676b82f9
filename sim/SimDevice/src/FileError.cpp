#include "SimDevice/FileError.h"

#include <cerrno>
#include <cstring>

std::string FileError::describe() const {
  if (!detail.empty()) return path.string() + " " + detail;
  if (code == ELOOP) return path.string() + " is a link, which is not followed";
  return path.string() + ": " + std::strerror(code);
}
