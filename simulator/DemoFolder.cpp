#include "DemoFolder.h"

#include <fstream>
#include <system_error>

namespace fs = std::filesystem;

namespace {

constexpr char kRecord[] = ".orbelle2-demo";

// A recorded path is used only when it is relative and stays inside the folder.
bool staysInside(const fs::path& relative) {
  if (relative.empty() || relative.is_absolute()) return false;
  for (const auto& part : relative.lexically_normal()) {
    if (part == "..") return false;
  }
  return true;
}

bool isEmptyFolder(const fs::path& folder) {
  std::error_code error;
  return fs::is_directory(folder, error) && fs::is_empty(folder, error) && !error;
}

}  // namespace

DemoFolder::DemoFolder(fs::path folder) : folder_(std::move(folder)) {
}

Result<DemoFolder> DemoFolder::claim(const fs::path& folder) {
  std::error_code status;
  if (fs::exists(fs::symlink_status(folder, status)) && !fs::is_directory(folder, status)) {
    return fail(folder.string() + " is not a folder");
  }
  const bool earlierRun = fs::is_regular_file(folder / kRecord, status);
  if (fs::exists(folder, status) && !earlierRun && !isEmptyFolder(folder)) {
    return fail(folder.string() +
                " holds files the demo did not write; give --out a new or empty folder");
  }
  fs::create_directories(folder, status);
  if (!fs::is_directory(folder, status)) {
    return fail("cannot create " + folder.string());
  }
  DemoFolder claimed(folder);
  for (const auto& file : claimed.recorded()) fs::remove(folder / file, status);
  claimed.before_ = claimed.filesNow();
  return claimed;
}

DemoFolder::Files DemoFolder::filesNow() const {
  Files files;
  std::error_code error;
  for (fs::recursive_directory_iterator it(folder_, error), end; !error && it != end;
       it.increment(error)) {
    if (it->is_regular_file(error) || it->is_symlink(error)) {
      files.insert(it->path().lexically_relative(folder_));
    }
  }
  files.erase(kRecord);
  return files;
}

DemoFolder::Files DemoFolder::recorded() const {
  Files files;
  std::ifstream in(folder_ / kRecord);
  for (std::string line; std::getline(in, line);) {
    if (staysInside(line)) files.insert(fs::path(line).lexically_normal());
  }
  return files;
}

bool DemoFolder::recordRun() const {
  std::string record;
  for (const auto& file : filesNow()) {
    if (!before_.contains(file)) record += file.generic_string() + "\n";
  }
  std::ofstream out(folder_ / kRecord, std::ios::trunc);
  out << record;
  return static_cast<bool>(out.flush());
}
