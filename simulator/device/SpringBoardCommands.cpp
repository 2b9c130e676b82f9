// The side button, the lock screen and the respring, as commands.
#include "SpringBoard/SpringBoard.h"
#include "UIKit/UIScreen.h"
#include "device/CommandEngine.h"

std::string CommandEngine::lockState() {
  switch (SpringBoard::shared().lockState()) {
    case SBLockState::Unlocked:
      return "unlocked";
    case SBLockState::LockScreen:
      return "lock screen";
    case SBLockState::Dark:
      break;
  }
  return "locked";
}

Result<Ok> CommandEngine::displayLit() {
  if (SpringBoard::shared().isDisplayOn()) return Ok{};
  return fail("the display is dark (wake it first)");
}

Result<std::string> CommandEngine::lock(const Args&) {
  SpringBoard::shared().lock();
  return lockState();
}

Result<std::string> CommandEngine::wake(const Args&) {
  SpringBoard::shared().wake();
  return lockState();
}

// As a person unlocks the model: the Home button, or a finger drawn up from the bottom edge.
Result<std::string> CommandEngine::unlock(const Args&) {
  auto& springBoard = SpringBoard::shared();
  if (springBoard.lockState() == SBLockState::Unlocked) return fail("the device is not locked");
  if (springBoard.lockState() == SBLockState::Dark)
    return fail("the display is dark (wake it first)");
  if (springBoard.hasHomeButton()) {
    springBoard.pressHomeButton();
  } else {
    const CGSize screen = UIScreen::mainScreen().bounds().size;
    const auto swiped = finger_.swipe(CGPoint{screen.width / 2, screen.height - 2},
                                      CGPoint{screen.width / 2, screen.height / 2});
    if (!swiped) return swiped.failure();
  }
  if (springBoard.lockState() != SBLockState::Unlocked) return fail("the lock screen stayed");
  return springBoard.frontApplication().empty() ? std::string("home screen")
                                                : springBoard.frontApplication();
}

Result<std::string> CommandEngine::respring(const Args&) {
  // Nothing of the old process may be held across: the finger's slider, the tweak's variables.
  finger_ = FingerSession(TweakState{});
  tweak_ = TweakState{};
  const auto loaded = SpringBoard::shared().respring();
  tweak_ = TweakState::lookUp();
  finger_ = FingerSession(tweak_);
  if (!loaded.failed.empty()) return fail("respring: " + loaded.failed.front());
  return std::string("respring: ") + std::to_string(loaded.loaded.size()) + " tweak" +
         (loaded.loaded.size() == 1 ? "" : "s") + " loaded";
}
