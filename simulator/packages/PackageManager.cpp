#include "packages/PackageManager.h"

#include <algorithm>
#include <set>
#include <sstream>

#include "SimDevice/DeviceRoot.h"
#include "SimDevice/FileLock.h"
#include "common/DisplayText.h"

namespace {

constexpr std::size_t kLargestList = 1 << 20;

// dpkg's lock, held for the whole of one install or removal.
Result<FileLock> claim() {
  FileError cause;
  const auto [folderPath, file] = DeviceRoot::split(PackageManager::kLock);
  const auto folder = DeviceRoot::folder(folderPath, true, cause);
  auto lock = folder ? folder->lock(file, FileLock::kLongestWait, cause) : std::nullopt;
  if (!lock) return fail("cannot take dpkg's lock: " + cause.describe());
  return std::move(*lock);
}

Result<> writeList(const std::string& name, const std::vector<std::string>& paths) {
  std::string text = "/.\n";
  for (const auto& path : paths) text += path + "\n";
  FileError cause;
  const auto folder = DeviceRoot::folder(PackageManager::kInfoFolder, true, cause);
  if (!folder || !folder->replace(name + ".list", text, 0644, cause)) {
    return fail("cannot record the package's files: " + cause.describe());
  }
  return Ok{};
}

Result<bool> installEntry(const TarEntry& entry) {
  FileError cause;
  const std::string path = "/" + entry.path;
  if (entry.folder) {
    if (!DeviceRoot::folder(path, true, cause)) return fail(cause.describe());
    return false;
  }
  const auto [folderPath, file] = DeviceRoot::split(path);
  const auto folder = DeviceRoot::folder(folderPath, true, cause);
  if (!folder) return fail(cause.describe());
  bool unchanged = false;
  // No set-id bits, nothing writable by others, whatever the package says.
  if (!folder->install(file, entry.bytes, entry.mode & 0755, cause, &unchanged)) {
    return fail(cause.describe());
  }
  return unchanged;
}

// Removes the files of `paths`, then the folders among them left empty, deepest first.
// Answers how many files went.
std::size_t removePaths(const std::vector<std::string>& paths) {
  std::size_t removed = 0;
  std::vector<std::string> folders;
  for (const auto& path : paths) {
    const auto [folderPath, name] = DeviceRoot::split(path);
    FileError cause;
    const auto folder = DeviceRoot::folder(folderPath, false, cause);
    if (!folder) continue;
    if (folder->kind(name) == FolderHandle::Kind::Folder) {
      folders.push_back(path);
    } else if (folder->remove(name, cause)) {
      ++removed;
    }
  }
  std::sort(folders.rbegin(), folders.rend());
  for (const auto& path : folders) {
    const auto [folderPath, name] = DeviceRoot::split(path);
    FileError cause;
    if (const auto folder = DeviceRoot::folder(folderPath, false, cause)) {
      [[maybe_unused]] const bool empty = folder->removeEmptyFolder(name, cause);
    }
  }
  return removed;
}

// The first of the package's files that another installed package lists, as dpkg refuses to
// overwrite one; nothing when none is.
Result<> ownedByNoOther(const DebPackage& package) {
  FileError cause;
  const auto folder = DeviceRoot::folder(PackageManager::kInfoFolder, false, cause);
  if (!folder) return Ok{};
  for (const auto& list : folder->names()) {
    if (!list.ends_with(".list")) continue;
    const std::string other = list.substr(0, list.size() - 5);
    if (other == package.name) continue;
    const auto paths = PackageManager::installedPaths(other).value_or(std::vector<std::string>());
    const std::set<std::string> owned(paths.begin(), paths.end());
    for (const auto& entry : package.entries) {
      if (!entry.folder && owned.count("/" + entry.path)) {
        return fail("trying to overwrite " + display_text::quoted("/" + entry.path) +
                    ", which is also in package " + other);
      }
    }
  }
  return Ok{};
}

}  // namespace

std::optional<std::vector<std::string>> PackageManager::installedPaths(const std::string& name) {
  FileError cause;
  const auto folder = DeviceRoot::folder(kInfoFolder, false, cause);
  const auto text = folder ? folder->read(name + ".list", kLargestList, cause) : std::nullopt;
  if (!text) return std::nullopt;
  std::vector<std::string> paths;
  std::istringstream lines(*text);
  for (std::string line; std::getline(lines, line);) {
    // Only what lies inside the root: a hand-edited list names nothing outside it.
    if (line.starts_with('/') && line != "/." && line.find("/../") == std::string::npos &&
        !line.ends_with("/..")) {
      paths.push_back(line);
    }
  }
  return paths;
}

Result<std::string> PackageManager::install(const DebPackage& package) {
  const auto lock = claim();
  if (!lock) return lock.failure();
  if (auto alone = ownedByNoOther(package); !alone) {
    return fail("cannot install " + package.name + ": " + alone.error());
  }
  const auto before = installedPaths(package.name).value_or(std::vector<std::string>());
  std::vector<std::string> paths;
  std::size_t files = 0, unchanged = 0;
  for (const auto& entry : package.entries) {
    if (entry.path.empty()) continue;
    const auto done = installEntry(entry);
    if (!done) return fail("cannot install " + package.name + ": " + done.error());
    paths.push_back("/" + entry.path);
    if (!entry.folder) ++files;
    if (*done) ++unchanged;
  }
  if (auto recorded = writeList(package.name, paths); !recorded) return recorded.failure();
  const std::set<std::string> now(paths.begin(), paths.end());
  std::vector<std::string> gone;
  for (const auto& path : before) {
    if (!now.count(path)) gone.push_back(path);
  }
  removePaths(gone);
  return package.name + " " + package.version + ": " + std::to_string(files) + " files, " +
         std::to_string(unchanged) + " unchanged";
}

Result<std::string> PackageManager::remove(const std::string& name) {
  if (!DebPackage::isPackageName(name)) {
    return fail(display_text::quoted(name) + " is not a package name");
  }
  const auto lock = claim();
  if (!lock) return lock.failure();
  const auto paths = installedPaths(name);
  if (!paths) return fail("package " + display_text::quoted(name) + " is not installed");
  const std::size_t removed = removePaths(*paths);
  FileError cause;
  const auto folder = DeviceRoot::folder(kInfoFolder, false, cause);
  if (!folder || !folder->remove(name + ".list", cause)) {
    return fail("cannot remove the record of " + name + ": " + cause.describe());
  }
  return name + ": " + std::to_string(removed) + " files removed";
}
