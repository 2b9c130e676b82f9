#include <gtest/gtest.h>

#include <chrono>

#include "Activator/LAActivator.h"
#include "Celestial/AVSystemController.h"
#include "CoreFoundation/CFRunLoop.h"
#include "SpringBoard/SpringBoard.h"
#include "SpringBoard/VolumeButtons.h"
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
  AVSystemController::sharedAVSystemController()->reset();
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
  CFRunLoop::main().runFor(VolumeButtons::kShortHold * 2);
  ASSERT_TRUE(buttons.up(VolumeButton::Down)) << "a hold nobody takes is still a press";
  EXPECT_EQ(ringtone(), 0.5f);
}

}  // namespace
