#pragma once

#include <functional>
#include <string>
#include <string_view>

// Where NSLog's lines go: standard error unless a sink is installed (the simulator's console,
// a test capturing messages).
class SystemLog {
 public:
  struct Entry {
    std::string line;     // "2026-12-06 17:49:20.123 SpringBoard[4242:4242] ..."
    std::string message;  // what the caller logged
  };
  using Sink = std::function<void(const Entry&)>;

  static void write(std::string_view message);

  // Installs `sink` (an empty one restores standard error) and returns the one it replaces.
  static Sink setSink(Sink sink);

  // The name the lines carry; the program's own name until set.
  static void setProcessName(std::string name);
};
