#include "support/FreshSpringBoard.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>

#include "CoreFoundation/CFRunLoop.h"
#include "Foundation/NSBundle.h"
#include "Foundation/ProcessSetup.h"
#include "SimDevice/DeviceModel.h"
#include "SimDevice/DeviceRoot.h"
#include "SpringBoard/SpringBoard.h"
#include "UIKit/UIScreen.h"
#include "UIKit/UIScreenSetup.h"
#include "device/TweakState.h"
#include "support/TempDeviceRoot.h"

const TweakState& loadedTweak() {
  static const TweakState state = [] {
    const auto found = TweakState::lookUp();
    if (!found.loaded()) {
      ADD_FAILURE() << "the tweak is not loaded";
      std::exit(1);
    }
    return found;
  }();
  return state;
}

void drainRunLoop() {
  CFRunLoop::main().runFor(std::chrono::milliseconds(20));
}

void inFreshProcess(const DeviceSetup& device, const std::function<void()>& body) {
  std::fflush(nullptr);
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    DeviceRoot::setPath(device.root);
    DeviceModel::setIdentifier(device.model);
    UIScreenSetup::setPortraitSize(device.screen);
    installPackage();
    if (device.bundle == SpringBoard::kBundleIdentifier) {
      const auto result = SpringBoard::shared().boot();
      EXPECT_EQ(result.loaded.size(), 1u) << "Orbelle2.dylib loads through its filter";
      EXPECT_TRUE(result.failed.empty()) << result.failed.front();
    } else {
      ProcessSetup::setBundleIdentifier(device.bundle);
    }
    if (!::testing::Test::HasFailure()) body();
    const bool failed = ::testing::Test::HasFailure();
    std::fflush(nullptr);
    std::exit(failed ? 1 : 0);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFEXITED(status)) << "the process died of signal " << WTERMSIG(status);
  EXPECT_EQ(WEXITSTATUS(status), 0) << "the process's own failures are printed above";
}
