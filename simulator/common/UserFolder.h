#pragma once

#include <filesystem>
#include <string>

#include "common/Result.h"

// A folder of the user's own for what a run leaves behind by default: NAME under
// $XDG_RUNTIME_DIR, else NAME-UID under $TMPDIR or /tmp, created with mode 0700. A folder there
// that is a link, belongs to another user or is writable by others is refused: in a shared
// folder such as /tmp anyone can make it first.
class UserFolder {
 public:
  // Where a run's device lives unless told otherwise: $SIM_DEVICE_ROOT, else
  // "$XDG_DATA_HOME/orbelle2-sim/device", else ".local/share/orbelle2-sim/device" in the user's
  // home ($HOME, else the password database's); empty when the user has no home.
  static std::filesystem::path deviceRoot();
  static std::filesystem::path where(const std::string& name);
  // where(name), created when missing and checked to be the user's own folder.
  static Result<std::filesystem::path> make(const std::string& name);
};
