#include <gtest/gtest.h>

#include <chrono>

#include "CoreFoundation/CFRunLoop.h"
#include "SpringBoard/VolumeControl.h"

namespace {

TEST(VolumeHUDTest, HidesAfterItsTime) {
  auto& volume = VolumeControl::sharedVolumeControl();
  volume.setHUDDuration(std::chrono::milliseconds(10));
  volume.pressButton(VolumeButton::Up);
  EXPECT_TRUE(volume.isHUDVisible());
  CFRunLoop::main().runFor(std::chrono::milliseconds(50));
  EXPECT_FALSE(volume.isHUDVisible());
}

}  // namespace
