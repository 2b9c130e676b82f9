#pragma once

#include <string>

// The running program's bundle, as far as anything asks: its identifier
// ("com.apple.springboard" in SpringBoard). Empty until the host sets it (ProcessSetup).
class NSBundle {
 public:
  static NSBundle& mainBundle();
  const std::string& bundleIdentifier() const { return identifier_; }

 private:
  friend class ProcessSetup;  // the host's, as the system launches the program
  std::string identifier_;
};
