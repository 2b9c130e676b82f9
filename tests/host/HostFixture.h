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

  DeviceSetup device(CGSize screen = {375, 667}) const {
    DeviceSetup setup;
    setup.root = root.path().string();
    setup.screen = screen;
    return setup;
  }
  // A list of `visible` shown entries followed by one hidden one.
  void writeListOf(int visible) const {
    auto list = plist_fixture::array({});
    for (int i = 0; i < visible; ++i) {
      plist_array_append_item(list.get(), plist_fixture::entry("Ringtone", "Row", true));
    }
    plist_array_append_item(list.get(), plist_fixture::entry("PhoneCall", "Hidden", false));
    writeList(list);
  }

  static bool openPopup() { return SpringBoard::shared().holdVolumeUp(); }
  static std::shared_ptr<UIWindow>& window() { return *loadedTweak().window; }
  static std::shared_ptr<OrbelleView>& panel() { return *loadedTweak().panel; }
  static bool& blur() { return *loadedTweak().blur; }
  static int windowsAtLevel(CGFloat level) {
    int count = 0;
    for (const auto& w : UIScreen::mainScreen().windows()) count += w->windowLevel() == level;
    return count;
  }
};
