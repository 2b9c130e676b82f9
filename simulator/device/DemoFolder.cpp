#include "device/DemoFolder.h"

#include <algorithm>
#include <cerrno>

namespace fs = std::filesystem;
using Kind = FolderHandle::Kind;

namespace {

constexpr char kRecord[] = ".orbelle2-demo";
constexpr char kLock[] = ".orbelle2-demo.lock";
constexpr std::size_t kLongestRecord = 1 << 20;
constexpr mode_t kRecordMode = 0644;

// A recorded path is used only when it is relative and stays inside the folder.
bool staysInside(const fs::path& relative) {
  if (relative.empty() || relative.is_absolute()) return false;
  for (const auto& part : relative.lexically_normal()) {
    if (part == "..") return false;
  }
  return true;
}

template <class Paths>
bool isOutput(const std::string& file, const Paths& outputs) {
  return std::any_of(outputs.begin(), outputs.end(), [&](const std::string& output) {
    return output.ends_with('/') ? file.starts_with(output) : file == output;
  });
}

// Whether `file` is one of `paths` or a folder on the way to one.
template <class Paths>
bool onTheWay(const std::string& file, const Paths& paths) {
  return isOutput(file, paths) || std::any_of(paths.begin(), paths.end(), [&](const auto& path) {
           return path.starts_with(file + "/");
         });
}

void walk(const FolderHandle& folder, const std::string& prefix,
          std::map<std::string, Kind>& entries) {
  for (const auto& name : folder.names()) {
    const Kind kind = folder.kind(name);
    entries[prefix + name] = kind;
    FileError ignored;
    if (kind != Kind::Folder) continue;
    if (const auto inner = folder.folder(name, false, ignored)) {
      walk(*inner, prefix + name + "/", entries);
    }
  }
}

// The folder holding `relative`'s file, reached without links from `top`.
std::optional<FolderHandle> parentOf(const FolderHandle& top, const fs::path& relative,
                                     FileError& error) {
  return FolderHandle::open(top.path(), relative.parent_path(), false, error);
}

}  // namespace

DemoFolder::DemoFolder(fs::path folder, FolderHandle handle, std::vector<std::string> outputs)
    : folder_(std::move(folder)), handle_(std::move(handle)), outputs_(std::move(outputs)) {
}

Result<DemoFolder> DemoFolder::claim(const fs::path& folder,
                                     const std::vector<std::string>& outputs) {
  std::error_code status;
  if (fs::exists(fs::symlink_status(folder, status)) && !fs::is_directory(folder, status)) {
    return fail(folder.string() + " is not a folder");
  }
  FileError error;
  auto handle = FolderHandle::open(folder, {}, true, error);
  if (!handle) return fail("cannot use the demo folder: " + error.describe());
  DemoFolder claimed(folder, std::move(*handle), outputs);
  // A lock file already there is claimed first, so that a demo at work is told apart from
  // files nobody should touch; a folder without one gets it only once it passes the checks.
  if (claimed.handle_.kind(kLock) == Kind::Missing) {
    if (auto checked = claimed.check(); !checked) return checked.failure();
  }
  auto claim = ProcessClaim::take(claimed.handle_, kLock, "demo folder " + folder.string(),
                                  "use --out DIR for another folder");
  if (!claim) return claim.failure();
  claimed.claim_.emplace(std::move(*claim));
  if (auto checked = claimed.check(); !checked) return checked.failure();
  auto paths = claimed.recorded();
  if (!paths) return paths.failure();
  paths->insert(outputs.begin(), outputs.end());
  if (auto written = claimed.writeRecord(*paths); !written) return written.failure();
  return claimed;
}

// A link on the way to anything the demo writes or removes is refused; so is a folder with
// neither the demo's record nor nothing but its lock, and a file the run would replace that
// no record names.
Result<> DemoFolder::check() const {
  const Kind record = handle_.kind(kRecord);
  if (record == Kind::Link) {
    return fail("cannot use the demo folder: " +
                FileError{folder_ / kRecord, ELOOP, {}}.describe());
  }
  if (record != Kind::File && record != Kind::Missing) {
    return fail("cannot use the demo folder: " + (folder_ / kRecord).string() +
                " is not a regular file");
  }
  const auto ours = recorded();
  if (!ours) return ours.failure();
  const auto entries = entriesNow();
  for (const auto& [file, kind] : entries) {
    if (kind == Kind::Link && (onTheWay(file, outputs_) || onTheWay(file, *ours))) {
      return fail("cannot use the demo folder: " + FileError{folder_ / file, ELOOP, {}}.describe());
    }
  }
  if (record == Kind::Missing && !entries.empty()) {
    return fail(folder_.string() +
                " holds files the demo did not write; give --out a new or empty folder");
  }
  for (const auto& [file, kind] : entries) {
    if (kind != Kind::Folder && isOutput(file, outputs_) && !isOutput(file, *ours)) {
      return fail(folder_.string() + " holds " + file +
                  ", which the demo would replace and did not write; give --out a new or empty "
                  "folder");
    }
  }
  return Ok{};
}

Result<> DemoFolder::removeEarlierRun(const std::string& keep) {
  const auto ours = recorded();
  if (!ours) return ours.failure();
  for (const auto& [file, kind] : entriesNow()) {
    if (kind != Kind::File || file == keep || !isOutput(file, *ours)) continue;
    FileError error;
    const auto parent = parentOf(handle_, file, error);
    if (!parent || !parent->remove(fs::path(file).filename().string(), error)) {
      return fail("cannot remove the earlier demo's file: " + error.describe());
    }
  }
  before_ = entriesNow();
  return Ok{};
}

DemoFolder::Entries DemoFolder::entriesNow() const {
  Entries entries;
  walk(handle_, "", entries);
  entries.erase(kRecord);
  entries.erase(kLock);
  return entries;
}

Result<std::set<std::string>> DemoFolder::recorded() const {
  std::set<std::string> files;
  if (handle_.kind(kRecord) == Kind::Missing) return files;
  FileError error;
  const auto text = handle_.read(kRecord, kLongestRecord, error);
  if (!text) return fail("cannot read the demo's record: " + error.describe());
  for (std::size_t start = 0, end = 0; start < text->size(); start = end + 1) {
    end = std::min(text->find('\n', start), text->size());
    const std::string line = text->substr(start, end - start);
    // A folder line ("device/": everything below it) counts only for a folder the demo writes
    // whole; a hand-made record cannot hand it anything else wholesale.
    const bool folder = line.ends_with('/');
    if (!staysInside(line) || (folder && !isOutput(line, outputs_))) continue;
    files.insert(fs::path(line).lexically_normal().generic_string());
  }
  return files;
}

Result<> DemoFolder::recordRun() const {
  std::set<std::string> paths(outputs_.begin(), outputs_.end());
  for (const auto& [file, kind] : entriesNow()) {
    if (kind == Kind::File && !before_.contains(file) && !isOutput(file, outputs_)) {
      paths.insert(file);
    }
  }
  return writeRecord(paths);
}

Result<> DemoFolder::writeRecord(const std::set<std::string>& paths) const {
  std::string record;
  for (const auto& path : paths) record += path + "\n";
  FileError error;
  if (!handle_.replace(kRecord, record, kRecordMode, error)) {
    return fail("cannot record the demo's files: " + error.describe());
  }
  return Ok{};
}
