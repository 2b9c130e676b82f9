#pragma once

#include <string>

#include "SpringBoard/VolumeControl.h"
#include "UIKit/UIControl.h"

// The volume HUD's content: the category, a level bar of sixteen steps. A finger going down on
// it is the Activator event "libactivator.volume.display-tap".
class VolumeHUDView : public UIControl {
 public:
  explicit VolumeHUDView(CGRect frame);
  const char* className() const override { return VolumeControl::kHUDViewClass; }
  void show(const std::string& category, float volume);
  void touchesBegan(CGPoint point) override;
};
