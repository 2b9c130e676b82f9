#pragma once

#include <string>

// The model identifier the simulated device reports as "hw.machine" ("iPhone10,4",
// "iPad7,5", "iPod9,1").
class DeviceModel {
 public:
  // $SIM_DEVICE_MODEL, else "iPhone10,4".
  static std::string defaultIdentifier();

  // The current model; defaultIdentifier() until set.
  static std::string identifier();
  static void setIdentifier(std::string model);
};
