#include "host/HostFixture.h"

#include "CoreFoundation/CFRunLoop.h"
#include "UIKit/UITouches.h"

namespace {

namespace fx = plist_fixture;

class HUDSuppressionTest : public HostFixture {};

TEST_F(HUDSuppressionTest, HUDIsRefusedExactlyWhileThePopupIsShown) {
  inFreshProcess(device(), [] {
    auto& volume = VolumeControl::sharedVolumeControl();
    int expectedQueries = volume.ownHUDQueries();
    const auto ask = [&](const char* category) {
      const bool answer = volume.isHUDDisplayableForCategory(category);
      EXPECT_EQ(volume.ownHUDQueries(), ++expectedQueries) << "SpringBoard's answer is asked";
      return answer;
    };
    EXPECT_TRUE(ask("Ringtone"));
    volume.setOwnHUDAnswer(false);
    EXPECT_FALSE(ask("Ringtone")) << "SpringBoard's own NO stands";
    volume.setOwnHUDAnswer(true);

    openPopup();
    for (const char* category : {"Ringtone", "Audio/Video", "PhoneCall", "Anything"}) {
      EXPECT_FALSE(ask(category)) << category;
    }
    const auto press = volume.pressButton(VolumeButton::Up);
    ++expectedQueries;
    EXPECT_FALSE(press.hudShown);
    EXPECT_FALSE(volume.isHUDVisible());
    EXPECT_EQ(press.category, "Ringtone");
    EXPECT_EQ(press.volume, 0.5625f);
    EXPECT_EQ(panel()->viewWithTag(1000)->className(), std::string("UILabel"));

    UITouches::shared().tap({3, 3});
    ASSERT_FALSE(window());
    EXPECT_TRUE(ask("Ringtone"));
    EXPECT_TRUE(volume.pressButton(VolumeButton::Down).hudShown);
    EXPECT_TRUE(volume.isHUDVisible());
  });
}

TEST_F(HUDSuppressionTest, APopupWindowHiddenByOthersDoesNotSuppress) {
  inFreshProcess(device(), [] {
    openPopup();
    window()->setHidden(true);
    EXPECT_TRUE(VolumeControl::sharedVolumeControl().isHUDDisplayableForCategory("Ringtone"));
  });
}

TEST_F(HUDSuppressionTest, ButtonsChangeTheActiveCategoryAndThePanelFollows) {
  inFreshProcess(device(), [] {
    auto& volume = VolumeControl::sharedVolumeControl();
    openPopup();
    const auto label = std::dynamic_pointer_cast<UILabel>(panel()->viewWithTag(1001));
    volume.setMediaPlaying(true);
    const auto press = volume.pressButton(VolumeButton::Down);
    EXPECT_EQ(press.category, "Audio/Video");
    EXPECT_EQ(label->text(), "Audio/Video (Speaker): 50%") << "until the media server answers";
    CFRunLoop::main().runUntilIdle();
    EXPECT_EQ(label->text(), "Audio/Video (Speaker): 44%");
  });
}

TEST_F(HUDSuppressionTest, BlurPreferenceFollowsTheDarwinNotification) {
  writePrefs(fx::dict({{"enableBackgroundBlur", plist_new_bool(0)}}));
  inFreshProcess(device(), [this] {
    EXPECT_FALSE(blur());
    openPopup();
    writePrefs(fx::dict({{"enableBackgroundBlur", plist_new_bool(1)}}));
    drainRunLoop();
    EXPECT_FALSE(blur()) << "nothing changes before the notification";
    CFNotificationCenterPostNotification(CFNotificationCenterGetDarwinNotifyCenter(),
                                         "com.zentrik.orbelle2.preferencesChanged", nullptr,
                                         nullptr, true);
    drainRunLoop();
    EXPECT_TRUE(blur());
    const auto rootView = window()->rootViewController()->view();
    EXPECT_EQ(rootView->subviews().size(), 2u) << "the open popup is not changed";
    openPopup();
    EXPECT_EQ(window()->rootViewController()->view()->subviews().size(), 3u);
  });
}

TEST_F(HUDSuppressionTest, BlurIsOnWithoutFileOrKey) {
  inFreshProcess(device(), [] { EXPECT_TRUE(blur()); });
  writePrefs(fx::dict({{"selectedSkin", plist_new_string("Metal")}}));
  inFreshProcess(device(), [] { EXPECT_TRUE(blur()); });
  writePrefs(fx::dict({{"enableBackgroundBlur", plist_new_string("NO")}}));
  inFreshProcess(device(), [] { EXPECT_FALSE(blur()); });
}

}  // namespace
