#pragma once

#include <string>

// Why a Foundation call failed, in words that name the file and the cause.
struct NSError {
  std::string localizedDescription;
};
