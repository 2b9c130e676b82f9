#include <dlfcn.h>

#include "Foundation/PropertyListFile.h"
#include "UIKit/UITouches.h"
#include "host/HostFixture.h"

namespace {

constexpr char kListener[] = "com.zentrik.orbelle2";
constexpr char kHold[] = "libactivator.volume.up.hold.short";
constexpr char kDisplayTap[] = "libactivator.volume.display-tap";

class ActivatorListenerTest : public HostFixture {
 protected:
  std::optional<std::string> assigned(const char* mode, const char* event) const {
    const auto settings = PropertyListFile::readDictionary(kActivatorSettings);
    if (!settings) return std::nullopt;
    const auto found = settings->find(std::string("LAEventListener(") + mode + ")-" + event);
    if (found == settings->end() || !found->second.asString()) return std::nullopt;
    return *found->second.asString();
  }
};

TEST_F(ActivatorListenerTest, DefaultsAreAssignedOnlyOnFirstSight) {
  inFreshProcess(device(), [] {
    LASharedActivator->unassignEvent(*LAEvent::eventWithName(kHold));
    LASharedActivator->unassignEvent(*LAEvent::eventWithName(kDisplayTap));
  });
  EXPECT_FALSE(assigned("springboard", kHold));
  inFreshProcess(device(), [] {
    EXPECT_TRUE(LASharedActivator->listenerForName(kListener)) << "registered again";
    EXPECT_FALSE(openPopup()) << "nothing is bound any more";
    EXPECT_FALSE(window());
  });
  EXPECT_FALSE(assigned("springboard", kHold)) << "the user's removal stands after a restart";
  EXPECT_FALSE(assigned("springboard", kDisplayTap));
}

TEST_F(ActivatorListenerTest, OtherProcessesAssignDefaultsInEveryModeButDoNotRegister) {
  DeviceSetup settings = device();
  settings.bundle = "com.apple.Preferences";
  inFreshProcess(settings, [] {
    const auto path = std::string(ORBELLE_TWEAK);
    ASSERT_TRUE(dlopen(path.c_str(), RTLD_NOW)) << dlerror();
    EXPECT_FALSE(LASharedActivator->listenerForName(kListener));
    EXPECT_FALSE(LASharedActivator->hasSeenListenerWithName(kListener));
  });
  for (const char* mode : {"springboard", "lockscreen", "application"}) {
    EXPECT_EQ(assigned(mode, kHold), kListener) << mode;
    EXPECT_EQ(assigned(mode, kDisplayTap), kListener) << mode;
  }
}

TEST_F(ActivatorListenerTest, EventsOpenThePopupInEveryModeAndFromTheHUD) {
  inFreshProcess(device(), [] {
    auto& springBoard = SpringBoard::shared();
    const auto openAndClose = [&](const char* mode) {
      EXPECT_EQ(springBoard.eventMode(), mode);
      EXPECT_TRUE(openPopup()) << mode;
      UITouches::shared().tap({1, 1});
      ASSERT_FALSE(window());
    };
    springBoard.lock();
    springBoard.wake();
    openAndClose("lockscreen");
    EXPECT_EQ(springBoard.lockState(), SBLockState::LockScreen) << "the lock screen is still up";
    springBoard.unlock();
    openAndClose("springboard");
    springBoard.installApplication(SBApplication{"Notes", "", [] {}, [] {}, [] {}});
    ASSERT_TRUE(springBoard.launchApplication("Notes"));
    openAndClose("application");
    springBoard.pressHomeButton();
    auto& volume = VolumeControl::sharedVolumeControl();
    ASSERT_TRUE(volume.pressButton(VolumeButton::Up).hudShown);
    const auto hud = volume.hudWindow()->frame();
    const auto tapped = UITouches::shared().tap(
        {hud.origin.x + hud.size.width / 2, hud.origin.y + hud.size.height / 2});
    EXPECT_STREQ(tapped->className(), VolumeControl::kHUDViewClass);
    EXPECT_TRUE(window()) << "a tap on the HUD opens the popup";
    EXPECT_FALSE(volume.isHUDDisplayableForCategory("Ringtone"));
  });
}

}  // namespace
