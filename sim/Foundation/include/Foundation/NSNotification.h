#pragma once

#include <string>

#include "Foundation/PlistValue.h"

// What an observer of the default notification centre receives.
struct NSNotification {
  std::string name;
  const void* object = nullptr;  // the sender, compared by identity only
  PlistValue::Dictionary userInfo;
};
