#pragma once

#include <iostream>
#include <ostream>
#include <string>

#include "common/DisplayText.h"
#include "common/Result.h"

// Prints an outcome in the one format both programs use: its text (nothing when empty), or
// "error: " and why. Answers whether it succeeded. Either may hold words a person, a script or
// a file gave, so control characters are shown escaped, never sent to the terminal.
inline bool report(std::ostream& out, const Result<std::string>& outcome) {
  if (!outcome) {
    out << "error: " << display_text::printableLines(outcome.error()) << std::endl;
  } else if (!outcome->empty()) {
    out << display_text::printableLines(*outcome) << std::endl;
  }
  return outcome.ok();
}

// Reports `failure` on standard error; the exit status of a program that ends with it.
inline int failed(const Failure& failure) {
  report(std::cerr, failure);
  return 1;
}
