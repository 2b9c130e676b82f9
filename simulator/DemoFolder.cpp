#include "DemoFolder.h"

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

DemoFolder::DemoFolder(fs::path folder, FolderHandle handle)
    : folder_(std::move(folder)), handle_(std::move(handle)) {
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
  DemoFolder claimed(folder, std::move(*handle));
  if (auto checked = claimed.check(outputs); !checked) return checked.failure();
  auto claim = ProcessClaim::take(claimed.handle_, kLock, "demo folder " + folder.string(),
                                  "use --out DIR for another folder");
  if (!claim) return claim.failure();
  claimed.claim_.emplace(std::move(*claim));
  // Checked again under the claim: another demo may have run meanwhile.
  if (auto removed = claimed.removeEarlierRun(outputs); !removed) return removed.failure();
  claimed.before_ = claimed.entriesNow();
  return claimed;
}

// A link on the way to anything the demo writes or removes is refused, and so is a folder
// with neither the demo's record nor only its lock.
Result<> DemoFolder::check(const std::vector<std::string>& outputs) const {
  const Kind record = handle_.kind(kRecord);
  if (record != Kind::File && record != Kind::Missing) {
    return fail("cannot use the demo folder: " +
                FileError{folder_ / kRecord, ELOOP, {}}.describe());
  }
  const auto ours = recorded();
  if (!ours) return ours.failure();
  const auto entries = entriesNow();
  for (const auto& [file, kind] : entries) {
    if (kind == Kind::Link && (onTheWay(file, outputs) || onTheWay(file, *ours))) {
      return fail("cannot use the demo folder: " + FileError{folder_ / file, ELOOP, {}}.describe());
    }
  }
  if (record == Kind::Missing && !entries.empty()) {
    return fail(folder_.string() +
                " holds files the demo did not write; give --out a new or empty folder");
  }
  return Ok{};
}

// Checks everything first, then removes: a refusal leaves the folder as it was.
Result<> DemoFolder::removeEarlierRun(const std::vector<std::string>& outputs) const {
  if (auto checked = check(outputs); !checked) return checked;
  const auto ours = recorded();
  std::vector<std::string> remove;
  for (const auto& [file, kind] : entriesNow()) {
    if (kind == Kind::Folder) continue;
    if (ours->contains(file)) {
      remove.push_back(file);
    } else if (isOutput(file, outputs)) {
      return fail(folder_.string() + " holds " + file +
                  ", which the demo would replace and did not write; give --out a new or empty "
                  "folder");
    }
  }
  for (const auto& file : remove) {
    FileError error;
    const auto parent = parentOf(handle_, file, error);
    if (!parent || !parent->remove(fs::path(file).filename().string(), error)) {
      return fail("cannot remove the earlier demo's file: " + error.describe());
    }
  }
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
  std::size_t start = 0;
  while (start < text->size()) {
    const auto end = std::min(text->find('\n', start), text->size());
    const std::string line = text->substr(start, end - start);
    if (staysInside(line)) files.insert(fs::path(line).lexically_normal().generic_string());
    start = end + 1;
  }
  return files;
}

Result<> DemoFolder::recordRun() const {
  std::string record;
  for (const auto& [file, kind] : entriesNow()) {
    if (kind == Kind::File && !before_.contains(file)) record += file + "\n";
  }
  FileError error;
  if (!handle_.replace(kRecord, record, kRecordMode, error)) {
    return fail("cannot record the demo's files: " + error.describe());
  }
  return Ok{};
}
