#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "Foundation/NSBundle.h"
#include "Foundation/NSNotificationCenter.h"

// What the host sets up for a process and reads back from it: the main bundle's identifier, as
// the system gives it to the program it launches, and the notification centre's live
// registrations, which a test counts.
class ProcessSetup {
 public:
  static void setBundleIdentifier(std::string identifier) {
    NSBundle::mainBundle().identifier_ = std::move(identifier);
  }
  // Live registrations of `observer`, and for `name` (observers that still exist and were not
  // removed).
  static std::size_t observationCount(const void* observer) {
    return NSNotificationCenter::defaultCenter().observationCount(observer);
  }
  static std::size_t observerCountForName(std::string_view name) {
    return NSNotificationCenter::defaultCenter().observerCountForName(name);
  }
};
