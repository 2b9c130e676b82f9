#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "common/Result.h"

// The members of a tar stream (POSIX ustar, with GNU long names), as a package's data holds
// them: each a path inside the package, whether a folder, its mode and its bytes. Anything a
// package manager must not write is refused here, saying which member: a path that is absolute
// or climbs out ("..") once its leading "./" is taken off, a name with a control character
// (a line end would break the package's file list), a link, a device or other special
// file, a member cut short.
struct TarEntry {
  std::string path;  // relative, without "./" or a trailing slash; empty for the root itself
  bool folder = false;
  unsigned mode = 0;  // the permission bits
  std::string bytes;
};

Result<std::vector<TarEntry>> readTarEntries(std::string_view stream);
