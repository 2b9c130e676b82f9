// Random user-info dictionaries into a panel's volume-change handler.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <memory>

#include "Celestial/AVSystemController.h"
#include "Celestial/AudioHardware.h"
#include "Foundation/NSNotificationCenter.h"
#include "Foundation/PropertyListFile.h"
#include "FuzzDevice.h"
#include "mixer/CategoryEntry.h"
#include "mixer/OrbelleView.h"
#include "orbelle2/CategoryNames.h"
#include "orbelle2/PreferenceFiles.h"
#include "orbelle2/PreferenceKeys.h"

namespace {

std::shared_ptr<OrbelleView> panel;

namespace name = category_names;
const char* const kCategories[] = {name::kRingtone,  name::kAudioVideo, name::kHeadsetBT,
                                   name::kPhoneCall, "Alarm",           ""};

PlistValue randomValue(FuzzedDataProvider& input) {
  switch (input.ConsumeIntegralInRange(0, 7)) {
    case 0:
      return PlistValue(input.PickValueInArray(kCategories));
    case 1:
      return PlistValue(input.ConsumeRandomLengthString(64));
    case 2:
      return PlistValue(input.ConsumeFloatingPoint<double>());
    case 3:
      return PlistValue(input.ConsumeProbability<double>());
    case 4:
      return PlistValue(input.ConsumeIntegral<std::int64_t>());
    case 5:
      return PlistValue(input.ConsumeBool());
    case 6:
      return PlistValue(PlistValue::Array{PlistValue(input.ConsumeBool())});
    default:
      return PlistValue(PlistValue::Data{1, 2, 3});
  }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzz_device::prepare(false);
  PlistValue::Array list{
      CategoryEntry::make(name::kRingtone, "Ring", true),
      CategoryEntry::make(name::kAudioVideo, "Media", true),
      CategoryEntry::make(name::kPhoneCall, "Call", false),
      CategoryEntry::make(name::kRingtone, "Ring again", true),
  };
  PropertyListFile::write(PlistValue(std::move(list)), kCategoriesPath);
  PlistValue::Dictionary prefs;
  prefs.emplace(preference_keys::kBindRingerAndAV.name, true);
  prefs.emplace(preference_keys::kEnableDebugLogging.name, true);
  PropertyListFile::write(PlistValue(std::move(prefs)), kPreferencesPath);
  panel = OrbelleView::initWithFrame(CGRectMake(0, 0, 300, 240));
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const auto controller = AVSystemController::sharedAVSystemController();
  AudioHardware::setRoute(name::kAudioVideo, input.ConsumeBool()
                                                 ? std::string(name::kLoudspeakerRoute)
                                                 : std::string("Headphones"));
  PlistValue::Dictionary userInfo;
  const int entries = input.ConsumeIntegralInRange(0, 4);
  for (int i = 0; i < entries; ++i) {
    const int key = input.ConsumeIntegralInRange(0, 2);
    const std::string name =
        key == 0   ? AVSystemController_EffectiveVolumeNotificationParameter_Category
        : key == 1 ? AVSystemController_EffectiveVolumeNotificationParameter_Volume
                   : input.ConsumeRandomLengthString(16);
    userInfo.insert_or_assign(name, randomValue(input));
  }
  NSNotificationCenter::defaultCenter().postNotificationName(
      AVSystemController_EffectiveVolumeDidChangeNotification, nullptr, std::move(userInfo));
  return 0;
}
