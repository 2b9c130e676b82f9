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
  // Where the simulator keeps the user's own data: "$XDG_DATA_HOME/orbelle2-sim", else
  // ".local/share/orbelle2-sim" in the user's home; empty when the user has no home.
  static std::filesystem::path dataFolder();
  // Where a run's device lives unless told otherwise: $SIM_DEVICE_ROOT, else "device" in the
  // data folder; empty when the user has no home.
  static std::filesystem::path deviceRoot();
  // The prompt's history, kept between sessions in the data folder.
  static std::filesystem::path historyFile();
  // Whether `folder` (a link given is followed) is a folder the user alone may change: one that
  // belongs to another user, or that others may write into (/tmp, say), is no place to make a
  // device in, nor to load a tweak from.
  static Result<Ok> ownedByTheUser(const std::filesystem::path& folder);
  static std::filesystem::path where(const std::string& name);
  // where(name), created when missing and checked to be the user's own folder.
  static Result<std::filesystem::path> make(const std::string& name);
};
