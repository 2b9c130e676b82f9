#include "MobileGestalt/MobileGestalt.h"

#include <array>
#include <string_view>

#include "SimDevice/DeviceModel.h"

namespace {

// What every model the simulator offers has.
constexpr std::array<std::string_view, 9> kEveryModel{
    "wifi",         "accelerometer", "gyroscope",  "microphone", "bluetooth-le",
    "still-camera", "video-camera",  "opengles-2", "arm64",
};

}  // namespace

bool MGGetBoolAnswer(const char* question) {
  if (!question) return false;
  const std::string_view asked(question);
  const std::string model = DeviceModel::identifier();
  if (asked == "ipad") return DeviceModel::isIPad(model);
  // Only the iPhones have a cellular radio among the models offered.
  if (asked == "telephony" || asked == "sms") return DeviceModel::isIPhone(model);
  for (const auto each : kEveryModel) {
    if (asked == each) return true;
  }
  return false;
}
