#pragma once

#include <functional>
#include <memory>
#include <string>

#include "CoreGraphics/CGGeometry.h"
#include "UIKit/UIWindow.h"
#include "device/TweakState.h"

// Runs `body` in a new process, as a fresh launch of SpringBoard would be: the package
// (tweak, filter, skin images) installed on `root`, the screen sized, SpringBoard booted
// with the tweak loaded through the loader. The child's test failures fail the calling test.
struct DeviceSetup {
  std::string root;
  CGSize screen{375, 667};
  std::string model = "iPhone10,4";
  std::string bundle = "com.apple.springboard";  // another identity skips the boot
};
void inFreshProcess(const DeviceSetup& device, const std::function<void()>& body);

// The tweak's process-wide popup state, looked up as a debugger would; the process ends with a
// failure when the tweak is not loaded.
const TweakState& loadedTweak();

// Handles what the run loop has ready (Darwin notifications, timers).
void drainRunLoop();
