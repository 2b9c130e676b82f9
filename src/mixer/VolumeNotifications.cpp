#include <cmath>
#include <string>

#include "Foundation/NSLog.h"
#include "UIKit/UISlider.h"
#include "mixer/OrbelleView.h"
#include "orbelle2/CategoryNames.h"

namespace {

// A volume the controller could not have meant (missing, not a number, not finite) reads 0.
float reportedVolume(const NSNotification& notification) {
  const auto found = notification.userInfo.find(SystemVolumeController::kVolumeKey);
  if (found == notification.userInfo.end()) return 0.0f;
  const float volume = found->second.floatValue().value_or(0.0f);
  return std::isfinite(volume) ? volume : 0.0f;
}

const std::string* reportedCategory(const NSNotification& notification) {
  const auto found = notification.userInfo.find(SystemVolumeController::kCategoryKey);
  return found == notification.userInfo.end() ? nullptr : found->second.asString();
}

}  // namespace

void OrbelleView::receiveVolumeChangedNotification(const NSNotification& notification) {
  const std::string* changed = reportedCategory(notification);
  const float volume = reportedVolume(notification);
  const auto num = changed ? categoryNumberFor(*changed) : std::nullopt;
  if (!num) {
    NSLog("OB: unable to match category " + (changed ? *changed : std::string("(null)")) +
          " to OB categories list, GUI not updated!");
    return;
  }
  const auto slider = sliderFor(*num);
  if (bindRingerAndAVVolumes_ &&
      (*changed == category_names::kAudioVideo || *changed == category_names::kRingtone)) {
    followPartner(*changed, volume);
  }
  if (!slider) {
    debugLog([&] {
      return "OB: category " + *changed + " not visible, no slider to update for that category";
    });
  } else if (slider->isHighlighted()) {
    debugLog([&] {
      return "OB: mixer is initiating volume change event for category " + *changed +
             ", do not update GUI";
    });
  } else {
    updateSliderAndLabelForCategoryNum(*num, volume);
  }
}

void OrbelleView::followPartner(const std::string& changed, float volume) {
  namespace name = category_names;
  const bool mediaChanged = changed == name::kAudioVideo;
  const auto route = avs_->routeForCategory(name::kAudioVideo);
  if (!route || !route->starts_with(name::kLoudspeakerRoute)) {
    debugLog(mediaChanged ? "OB: A/V route is not Speaker, not updating ringtone slider"
                          : "OB: A/V route is not Speaker, not updating A/V slider");
    return;
  }
  debugLog(mediaChanged ? "OB: A/V route is Speaker, updating ringtone slider as well"
                        : "OB: A/V route is Speaker, updating A/V slider as well");
  if (const auto partner = categoryNumberFor(mediaChanged ? name::kRingtone : name::kAudioVideo)) {
    updateSliderAndLabelForCategoryNum(*partner, volume);
  }
}
