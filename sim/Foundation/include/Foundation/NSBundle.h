#pragma once

#include <string>

// The running program's bundle, as far as anything asks: its identifier
// ("com.apple.springboard" in SpringBoard). Empty until the host sets it.
class NSBundle {
 public:
  static NSBundle& mainBundle();
  const std::string& bundleIdentifier() const { return identifier_; }
  void setBundleIdentifier(std::string identifier) { identifier_ = std::move(identifier); }

 private:
  std::string identifier_;
};
