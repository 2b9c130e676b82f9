#include <gtest/gtest.h>

#include <chrono>

#include "Activator/LAActivator.h"
#include "Celestial/AVSystemController.h"
#include "Celestial/AudioHardware.h"
#include "CoreFoundation/CFRunLoop.h"
#include "SpringBoard/SpringBoard.h"
#include "SpringBoard/VolumeButtons.h"
#include "SpringBoard/VolumeControl.h"
#include "UIKit/UIApplication.h"
#include "UIKit/UILabel.h"
#include "UIKit/UITouches.h"
#include "UIKit/UIWindow.h"
#include "support/TempDeviceRoot.h"

namespace {

struct HoldListener : LAListener {
  void receiveEvent(LAActivator*, LAEvent& event) override {
    ++events;
    event.setHandled(true);
  }
  std::string requiresLocalizedTitleForListenerName(LAActivator*, const std::string&) override {
    return "hold";
  }
  std::string requiresLocalizedDescriptionForListenerName(LAActivator*,
                                                          const std::string&) override {
    return "hold";
  }
  std::vector<std::string> requiresCompatibleEventModesForListenerWithName(
      LAActivator*, const std::string&) override {
    return LAActivator::availableEventModes();
  }
  int events = 0;
};

float ringtone() {
  float volume = 0;
  AVSystemController::sharedAVSystemController()->getVolume(volume, "Ringtone");
  return volume;
}

TEST(VolumeButtonsTest, AShortPressIsAPressAndAHeldButtonFiresItsHoldInstead) {
  TempDeviceRoot root;
  AudioHardware::reset();
  const auto listener = std::make_shared<HoldListener>();
  LASharedActivator->registerListener(listener, "hold");
  LASharedActivator->assignEvent(*LAEvent::eventWithName(kVolumeUpHoldShortEvent), "hold");
  auto& buttons = VolumeButtons::shared();

  buttons.down(VolumeButton::Up);
  const auto press = buttons.up(VolumeButton::Up);
  ASSERT_TRUE(press);
  EXPECT_EQ(press->volume, 0.5625f);
  EXPECT_EQ(listener->events, 0);

  buttons.down(VolumeButton::Up);
  CFRunLoop::main().runFor(VolumeButtons::kShortHold * 2 / 3);
  buttons.down(VolumeButton::Up);  // the keyboard repeating: still the one press
  CFRunLoop::main().runFor(VolumeButtons::kShortHold * 2 / 3);
  EXPECT_EQ(listener->events, 1) << "fired while the button is still down, timed from the first";
  EXPECT_FALSE(buttons.up(VolumeButton::Up)) << "a handled hold is the whole of it";
  EXPECT_EQ(ringtone(), 0.5625f);

  buttons.down(VolumeButton::Down);
  const auto hold = buttons.held(VolumeButton::Down);
  ASSERT_TRUE(hold && !hold->handled && hold->step);
  EXPECT_EQ(hold->step->volume, 0.5f);
  EXPECT_EQ(ringtone(), 0.5f) << "a hold nobody takes steps when it fires";
  CFRunLoop::main().runFor(VolumeButtons::kRepeat * 3);
  EXPECT_LE(ringtone(), 0.5f - 2 * VolumeControl::kStep) << "and again while it is held";
  EXPECT_FALSE(buttons.up(VolumeButton::Down)) << "its release is no press";
  const float released = ringtone();
  CFRunLoop::main().runFor(VolumeButtons::kRepeat * 2);
  EXPECT_EQ(ringtone(), released) << "it stops when let go";
}

// The HUD a press puts up: SpringBoard's title for the ringer, gone when a listener takes the
// hold that follows, and a finger going down on it is the display-tap.
TEST(VolumeButtonsTest, TheHUDGoesForAHandledHoldAndAFingerOnItIsTheDisplayTap) {
  TempDeviceRoot root;
  AudioHardware::reset();
  const auto listener = std::make_shared<HoldListener>();
  LASharedActivator->registerListener(listener, "hold");
  LASharedActivator->assignEvent(*LAEvent::eventWithName(kVolumeUpHoldShortEvent), "hold");
  LASharedActivator->assignEvent(*LAEvent::eventWithName(kVolumeDisplayTapEvent), "hold");
  auto& buttons = VolumeButtons::shared();
  auto& control = VolumeControl::sharedVolumeControl();

  buttons.down(VolumeButton::Up);
  buttons.up(VolumeButton::Up);
  ASSERT_TRUE(control.isHUDVisible());
  const auto title = std::dynamic_pointer_cast<UILabel>(control.hudWindow()->viewWithTag(1));
  ASSERT_TRUE(title);
  EXPECT_EQ(title->text(), "Ringer");
  const CGRect hud = control.hudWindow()->frame();
  UITouches::shared().touchDown(
      {hud.origin.x + hud.size.width / 2, hud.origin.y + hud.size.height / 2});
  EXPECT_EQ(listener->events, 1) << "on touch-down, before any lift";
  UITouches::shared().touchUp({0, 0});

  buttons.down(VolumeButton::Up);
  EXPECT_TRUE(buttons.held(VolumeButton::Up)->handled);
  EXPECT_FALSE(control.isHUDVisible()) << "the listener has the button now";
  buttons.up(VolumeButton::Up);
}

}  // namespace
