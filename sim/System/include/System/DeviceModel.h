#pragma once

#include <string>

// The model identifier the simulated device reports as "hw.machine" ("iPhone10,4",
// "iPad7,5", "iPod9,1"). Starts as $SIM_DEVICE_MODEL, else "iPhone10,4".
class DeviceModel {
 public:
  static std::string identifier();
  static void setIdentifier(std::string model);
};
