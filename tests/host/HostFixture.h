#pragma once

#include <gtest/gtest.h>

#include <string>

#include "Activator/LAActivator.h"
#include "CoreFoundation/CFNotificationCenter.h"
#include "SpringBoard/SpringBoard.h"
#include "SpringBoard/VolumeControl.h"
#include "UIKit/UIAccessibility.h"
#include "UIKit/UIApplication.h"
#include "UIKit/UIButton.h"
#include "UIKit/UILabel.h"
#include "UIKit/UIScreen.h"
#include "UIKit/UIVisualEffectView.h"
#include "mixer/OrbelleView.h"
#include "support/DeviceFixture.h"
#include "support/FreshSpringBoard.h"
#include "support/PlistFixture.h"
#include "support/TempDeviceRoot.h"

// A device root shared by the fresh processes of one test, and files written onto it.
class HostFixture : public DeviceFixture {
 protected:
  static constexpr auto& kActivatorSettings = device_paths::kActivatorSettings;

  DeviceSetup device() const { return {root.path().string()}; }

  static bool openPopup() { return SpringBoard::shared().holdVolumeUp(); }
  static std::shared_ptr<UIWindow>& window() { return *loadedTweak().window; }
  static std::shared_ptr<OrbelleView>& panel() { return *loadedTweak().panel; }
  static bool& blur() { return *loadedTweak().blur; }
};
