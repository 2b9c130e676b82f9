#include <cstring>
#include <string>
#include <vector>

#include "Foundation/PropertyListFile.h"
#include "System/sysctl.h"
#include "mixer/OrbelleView.h"
#include "mixer/PreferenceFiles.h"
#include "mixer/PreferenceValues.h"

namespace {

// The device's model identifier ("iPhone10,4"); empty when the system will not say.
std::string machineModel() {
  std::size_t length = 0;
  if (sysctlbyname("hw.machine", nullptr, &length, nullptr, 0) != 0 || length == 0) return {};
  std::vector<char> buffer(length);
  if (sysctlbyname("hw.machine", buffer.data(), &length, nullptr, 0) != 0) return {};
  return std::string(buffer.data(), strnlen(buffer.data(), length));
}

}  // namespace

void OrbelleView::loadSettings() {
  using preference_values::read;
  namespace key = preference_keys;
  const auto stored = PropertyListFile::readDictionary(kPreferencesPath);
  const PlistValue::Dictionary& values = stored ? *stored : PlistValue::Dictionary();

  enableDebugLogging_ = read(values, key::kEnableDebugLogging);
  bindRingerAndAVVolumes_ = read(values, key::kBindRingerAndAV);
  displayPercentage_ = read(values, key::kDisplayPercentage);
  selectedSkin_ = read(values, key::kSelectedSkin);
  thumbTintColor_ = read(values, key::kThumbTintColor);
  textColor_ = read(values, key::kTextColor);
  minimumTrackTintColor_ = read(values, key::kMinimumTrackTintColor);
  maximumTrackTintColor_ = read(values, key::kMaximumTrackTintColor);
  detectDeviceClass();
}

void OrbelleView::detectDeviceClass() {
  const std::string model = machineModel();
  isIpad_ = false;
  isIpod_ = false;
  if (model.starts_with("iPad")) {
    isIpad_ = true;
  } else if (model.starts_with("iPod")) {
    isIpod_ = true;
  }
}
