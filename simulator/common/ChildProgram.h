#pragma once

#include <chrono>
#include <cstddef>
#include <string>
#include <vector>

#include "common/Result.h"

// Another program run to its end: its words (the first its path, or a name looked up in PATH),
// what it wrote on its two outputs, and how it ended. Every wait is bounded: one that runs past
// `longest`, or writes more than `outputLimit` bytes, is killed and the run fails, saying so.
struct ChildProgram {
  int exitStatus = -1;  // -1 when a signal ended it
  std::string out;
  std::string err;

  static Result<ChildProgram> run(const std::vector<std::string>& words,
                                  std::chrono::milliseconds longest,
                                  std::size_t outputLimit = 1 << 20);
};
