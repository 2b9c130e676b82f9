#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "ProcessClaim.h"
#include "Result.h"
#include "SimDevice/FolderHandle.h"

// The folder the demo writes into, and what it wrote there. The demo takes only a new or empty
// folder, or one holding the record of an earlier run ("DIR/.orbelle2-demo", the files that run
// created); it removes and replaces exactly those files and never touches anything else. Inside
// the folder no link is followed: a link where the demo's own file or folder goes is refused. One
// demo at a time holds the folder.
class DemoFolder {
 public:
  // The folder, ready for a run: created if missing, claimed, the earlier run's files removed.
  // `outputs` are what the run will write, relative to the folder ("screenshots/01-home.png",
  // or "device/" for all below it). Refused when the folder holds anything the demo did not
  // write and no record, or a file the run would write that the record does not name.
  static Result<DemoFolder> claim(const std::filesystem::path& folder,
                                  const std::vector<std::string>& outputs);

  // Records every file that is there now and was not before the run, for the next run to replace.
  Result<> recordRun() const;

  const std::filesystem::path& path() const { return folder_; }

 private:
  using Entries = std::map<std::string, FolderHandle::Kind>;  // relative path, kind
  DemoFolder(std::filesystem::path folder, FolderHandle handle);
  Result<> check(const std::vector<std::string>& outputs) const;
  // Everything below the folder, reached without following links; the record and lock left out.
  Entries entriesNow() const;
  // The files an earlier run recorded; paths that could lead out of the folder are dropped.
  Result<std::set<std::string>> recorded() const;
  Result<> removeEarlierRun(const std::vector<std::string>& outputs) const;

  std::filesystem::path folder_;
  FolderHandle handle_;
  std::optional<ProcessClaim> claim_;
  Entries before_;
};
