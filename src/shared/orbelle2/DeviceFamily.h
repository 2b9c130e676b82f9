#pragma once

#include <string_view>

// What the model identifier ("iPhone10,4", "iPad7,5", "iPod9,1") says of the device's family:
// the panel's width and its initial list depend on it, and the demo's story follows that list.
namespace device_family {

inline bool isIpad(std::string_view model) {
  return model.starts_with("iPad");
}
inline bool isIpod(std::string_view model) {
  return model.starts_with("iPod");
}
// No phone calls to set a volume for: the video conference's row takes the phone call's place.
inline bool hasNoPhone(std::string_view model) {
  return isIpad(model) || isIpod(model);
}

}  // namespace device_family
