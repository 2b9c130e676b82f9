// Random command sequences into the simulator's engine. After every command: SpringBoard's
// HUD question is answered NO exactly while a popup window is shown, at most one popup window
// is on screen, and no panel but the latest is still observed (beside whatever observers
// SpringBoard has of its own, counted once the device has booted).
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

#include "Celestial/AVSystemController.h"
#include "Celestial/AudioHardware.h"
#include "Foundation/NSNotificationCenter.h"
#include "Foundation/ProcessSetup.h"
#include "FuzzDevice.h"
#include "SpringBoard/VolumeControl.h"
#include "UIKit/UIAccessibility.h"
#include "UIKit/UIAccessibilitySettings.h"
#include "UIKit/UIApplication.h"
#include "UIKit/UIScreen.h"
#include "UIKit/UIScreenSetup.h"
#include "UIKit/UITouches.h"
#include "UIKit/UIWindow.h"
#include "device/CommandEngine.h"
#include "device/TweakState.h"
#include "orbelle2/CategoryNames.h"
#include "orbelle2/PreferenceFiles.h"

namespace {

std::size_t volumeObservers() {
  return ProcessSetup::observerCountForName(
      AVSystemController_EffectiveVolumeDidChangeNotification);
}

std::size_t springBoardObservers = 0;

[[noreturn]] void violated(const char* invariant, const std::string& command) {
  std::fprintf(stderr, "invariant broken after \"%s\": %s\n", command.c_str(), invariant);
  std::abort();
}

void checkInvariants(const TweakState& tweak, const std::string& command) {
  const bool shown = tweak.popupShown();
  if (VolumeControl::sharedVolumeControl().isHUDDisplayableForCategory(category_names::kRingtone) ==
      shown) {
    violated("the HUD question is answered NO exactly while the popup is shown", command);
  }
  const auto popupLevel = *tweak.window ? (*tweak.window)->windowLevel() : -1;
  int popupWindows = 0;
  for (const auto& window : UIScreen::mainScreen().windows()) {
    popupWindows += window->windowLevel() == popupLevel;
  }
  if (popupWindows > 1) violated("at most one popup window is on screen", command);
  if (volumeObservers() != springBoardObservers + (*tweak.panel ? 1u : 0u)) {
    violated("only the latest panel is observed", command);
  }
}

// Every input starts from the same device: no popup, no finger, the files and settings reset.
void resetDevice() {
  UITouches::shared().touchUp(CGPoint{1, 1});
  UITouches::shared().tap(CGPoint{1, 1});
  UIScreenSetup::setOrientation(UIInterfaceOrientationPortrait);
  UIAccessibilitySetReduceTransparencyEnabled(false);
  VolumeControl::sharedVolumeControl().setMediaPlaying(false);
  AudioHardware::reset();
  fuzz_device::removeFile(kPreferencesPath);
  fuzz_device::removeFile(kCategoriesPath);
}

bool allowed(const std::string& line) {
  // Files (screenshots, speech written to a folder) and waiting are outside what is fuzzed here.
  return line.find("screenshot") == std::string::npos && line.find("wait") == std::string::npos &&
         line.find("speech") == std::string::npos;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzz_device::prepare(true);
  springBoardObservers = volumeObservers();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  resetDevice();
  const TweakState tweak = TweakState::lookUp();
  CommandEngine engine;
  std::string_view script(reinterpret_cast<const char*>(data), size);
  int commands = 0;
  while (!script.empty() && commands++ < 64) {
    const auto end = script.find('\n');
    const std::string line(script.substr(0, end));
    script = end == std::string_view::npos ? std::string_view() : script.substr(end + 1);
    if (!allowed(line)) continue;
    [[maybe_unused]] const auto result = engine.execute(line);  // failed commands are fine
    checkInvariants(tweak, line);
  }
  return 0;
}
