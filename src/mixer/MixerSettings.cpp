#include <cstring>
#include <string>
#include <vector>

#include "Foundation/PropertyListFile.h"
#include "mixer/MachineModel.h"
#include "mixer/OrbelleView.h"
#include "mixer/PreferenceValues.h"
#include "orbelle2/DeviceFamily.h"
#include "orbelle2/PreferenceFiles.h"

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
  isIpad_ = device_family::isIpad(model);
  isIpod_ = !isIpad_ && device_family::isIpod(model);
}
