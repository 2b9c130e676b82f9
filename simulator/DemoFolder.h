#pragma once

#include <filesystem>
#include <set>

#include "Result.h"

// The folder the demo writes into, and what it wrote there. The demo takes only a new or empty
// folder, or one holding the record of an earlier run ("DIR/.orbelle2-demo", the files that run
// created); it removes and replaces exactly those files and never touches anything else.
class DemoFolder {
 public:
  // The folder, ready for a run: created if missing, the earlier run's files removed. Refused
  // when it holds anything the demo did not write.
  static Result<DemoFolder> claim(const std::filesystem::path& folder);

  // Records every file that is there now and was not before the run, for the next run to replace.
  bool recordRun() const;

  const std::filesystem::path& path() const { return folder_; }

 private:
  explicit DemoFolder(std::filesystem::path folder);
  using Files = std::set<std::filesystem::path>;
  Files filesNow() const;
  // The files an earlier run recorded; paths that could lead out of the folder are dropped.
  Files recorded() const;

  std::filesystem::path folder_;
  Files before_;
};
