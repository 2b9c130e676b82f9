#include "mixer/LabelText.h"

#include <cstdio>

namespace label_text {

std::string withPercentage(const std::string& title, double percent) {
  char number[32];
  std::snprintf(number, sizeof number, "%.0f", percent);
  return title + ": " + number + "%";
}

std::string unknown(const std::string& title) {
  return title + ": unknown";
}

}  // namespace label_text
