#pragma once

#include <string>
#include <string_view>

// The model identifier the simulated device reports as "hw.machine" ("iPhone10,4",
// "iPad7,5", "iPod9,1").
class DeviceModel {
 public:
  // $SIM_DEVICE_MODEL, else "iPhone10,4".
  static std::string defaultIdentifier();

  // The current model; defaultIdentifier() until set.
  static std::string identifier();
  static void setIdentifier(std::string model);

  // The kind of device an identifier names, by its family's prefix.
  static bool isIPhone(std::string_view identifier) { return identifier.starts_with("iPhone"); }
  static bool isIPad(std::string_view identifier) { return identifier.starts_with("iPad"); }
};
