#pragma once

#include <memory>
#include <string>

inline constexpr char LAEventModeSpringBoard[] = "springboard";
inline constexpr char LAEventModeApplication[] = "application";
inline constexpr char LAEventModeLockScreen[] = "lockscreen";

// One firing of an event: its name, the mode the device was in, and whether a listener took it.
class LAEvent {
 public:
  // An event without a mode: assigning it assigns it in every mode.
  static std::shared_ptr<LAEvent> eventWithName(std::string name);
  static std::shared_ptr<LAEvent> eventWithName(std::string name, std::string mode);

  const std::string& name() const { return name_; }
  const std::string& mode() const { return mode_; }
  bool isHandled() const { return handled_; }
  void setHandled(bool handled) { handled_ = handled; }

  LAEvent(std::string name, std::string mode) : name_(std::move(name)), mode_(std::move(mode)) {}

 private:
  std::string name_;
  std::string mode_;
  bool handled_ = false;
};
