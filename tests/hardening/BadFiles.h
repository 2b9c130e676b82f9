#pragma once

#include <string>
#include <vector>

// A catalogue of crafted property-list files that a device may carry where the preferences or
// the category list belong: broken, hostile, huge, or valid but strange.
struct BadFile {
  enum class Reads { Nothing, Array, Dictionary, Scalar };  // what a plist reader makes of it
  std::string name;
  std::string bytes;
  Reads reads;
};

// Built once per process: some entries are large.
const std::vector<BadFile>& badFileCatalogue();

// `entries` ringtone entries, the first `visible` of them shown.
std::string categoryListOf(int entries, int visible);
