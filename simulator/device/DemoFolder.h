#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "SimDevice/FolderHandle.h"
#include "common/Result.h"
#include "device/ProcessClaim.h"

// The folder the demo writes into, and what it wrote there. The demo takes only a new or empty
// folder, or one holding the record of an earlier run ("DIR/.orbelle2-demo": the files that run
// wrote, a line each, and "device/" for a device root wholly its own); it removes and replaces
// exactly those files and never touches anything else. Inside the folder no link is followed:
// a link where the demo's own file or folder goes is refused. One demo at a time holds the
// folder, and the record names the run's outputs before the run begins, so that a run cut
// short leaves a folder the next run can take.
class DemoFolder {
 public:
  // The folder, claimed: created if missing, checked, its record naming `outputs` (relative to
  // the folder: "screenshots/01-home.png", or "device/" for all below it). Refused when the
  // folder holds anything the demo did not write and no record, a file the run would write
  // that the record does not name, or a link on the way to either.
  static Result<DemoFolder> claim(const std::filesystem::path& folder,
                                  const std::vector<std::string>& outputs);
  // Removes the files the earlier runs recorded, all but `keep` (a file this run already holds).
  Result<> removeEarlierRun(const std::string& keep);
  // Records what the run wrote: its outputs and every other file new since the claim.
  Result<> recordRun() const;

  const std::filesystem::path& path() const { return folder_; }

 private:
  using Entries = std::map<std::string, FolderHandle::Kind>;  // relative path, kind
  DemoFolder(std::filesystem::path folder, FolderHandle handle, std::vector<std::string> outputs);
  Result<> check() const;
  // Everything below the folder, reached without following links; the record and lock left out.
  Entries entriesNow() const;
  // The paths an earlier run recorded; paths that could lead out of the folder are dropped.
  Result<std::set<std::string>> recorded() const;
  Result<> writeRecord(const std::set<std::string>& paths) const;

  std::filesystem::path folder_;
  FolderHandle handle_;
  std::vector<std::string> outputs_;
  std::optional<ProcessClaim> claim_;
  Entries before_;
};
