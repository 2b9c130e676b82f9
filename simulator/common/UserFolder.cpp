#include "common/UserFolder.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

constexpr mode_t kPrivate = 0700;

const char* environment(const char* name) {
  const char* value = std::getenv(name);
  return value && *value ? value : nullptr;
}

// $HOME, else the user's home in the password database: never a folder that other users share,
// where anyone could plant a tweak for the next run to load.
std::filesystem::path homeFolder() {
  if (const char* home = environment("HOME")) return home;
  std::vector<char> buffer(16384);
  passwd entry{};
  passwd* found = nullptr;
  if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found &&
      found->pw_dir && *found->pw_dir) {
    return found->pw_dir;
  }
  return {};
}

Result<Ok> theUsersAlone(const struct stat& status, const std::filesystem::path& folder) {
  if (!S_ISDIR(status.st_mode)) return fail(folder.string() + " is not a folder; it is left alone");
  if (status.st_uid != ::getuid()) {
    return fail(folder.string() + " belongs to another user; it is left alone");
  }
  if ((status.st_mode & (S_IWGRP | S_IWOTH)) != 0) {
    return fail(folder.string() + " is writable by other users; it is left alone");
  }
  return Ok{};
}

}  // namespace

std::filesystem::path UserFolder::dataFolder() {
  if (const char* data = environment("XDG_DATA_HOME")) {
    return std::filesystem::path(data) / "orbelle2-sim";
  }
  const auto home = homeFolder();
  return home.empty() ? home : home / ".local/share/orbelle2-sim";
}

std::filesystem::path UserFolder::deviceRoot() {
  if (const char* configured = environment("SIM_DEVICE_ROOT")) return configured;
  const auto data = dataFolder();
  return data.empty() ? data : data / "device";
}

std::filesystem::path UserFolder::historyFile() {
  const auto data = dataFolder();
  return data.empty() ? data : data / "history";
}

Result<Ok> UserFolder::ownedByTheUser(const std::filesystem::path& folder) {
  struct stat status {};
  if (::stat(folder.c_str(), &status) != 0) {
    return fail("cannot use " + folder.string() + ": " + std::strerror(errno));
  }
  return theUsersAlone(status, folder);
}

std::filesystem::path UserFolder::where(const std::string& name) {
  if (const char* runtime = environment("XDG_RUNTIME_DIR")) {
    return std::filesystem::path(runtime) / name;
  }
  const char* tmp = environment("TMPDIR");
  return std::filesystem::path(tmp ? tmp : "/tmp") / (name + "-" + std::to_string(::getuid()));
}

Result<std::filesystem::path> UserFolder::make(const std::string& name) {
  const auto folder = where(name);
  if (::mkdir(folder.c_str(), kPrivate) != 0 && errno != EEXIST) {
    return fail("cannot create " + folder.string() + ": " + std::strerror(errno));
  }
  struct stat status {};
  if (::lstat(folder.c_str(), &status) != 0) {
    return fail("cannot use " + folder.string() + ": " + std::strerror(errno));
  }
  if (S_ISLNK(status.st_mode)) return fail(folder.string() + " is a link; it is left alone");
  if (auto own = theUsersAlone(status, folder); !own) return own.failure();
  return folder;
}
