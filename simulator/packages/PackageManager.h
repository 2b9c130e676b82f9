#pragma once

#include <optional>
#include <string>
#include <vector>

#include "common/Result.h"
#include "packages/DebPackage.h"

// Installs and removes packages on the device's root as dpkg does, keeping its records:
// "/var/lib/dpkg/info/NAME.list" lists every path a package put there ("/." first, then each
// folder and file). One at a time on a device: each holds dpkg's lock ("/var/lib/dpkg/lock")
// throughout, waiting for it a bounded time.
class PackageManager {
 public:
  static constexpr char kInfoFolder[] = "/var/lib/dpkg/info";
  static constexpr char kLock[] = "/var/lib/dpkg/lock";

  // Refused, before anything is written, when another installed package lists one of its files.
  // Each folder made, each file written beside its old copy and renamed over it (one with the
  // same bytes left alone); then the files the package's last version had and this one has not
  // are removed. Answers "NAME VERSION: N files, M unchanged".
  static Result<std::string> install(const DebPackage& package);
  // Removes exactly the files its list names, then its folders that are left empty, then the
  // list. Answers "NAME: N files removed".
  static Result<std::string> remove(const std::string& name);
  // The paths its list names; nothing when it is not installed.
  static std::optional<std::vector<std::string>> installedPaths(const std::string& name);
};
