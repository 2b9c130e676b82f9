// The category list's bytes into a full popup: counted, read (or replaced), built, filled with
// the volumes, then closed.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "FuzzDevice.h"
#include "SpringBoard/SpringBoard.h"
#include "UIKit/UIApplication.h"
#include "UIKit/UITouches.h"
#include "device/TweakState.h"
#include "orbelle2/PreferenceFiles.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzz_device::prepare(true);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz_device::writeFile(kCategoriesPath,
                         std::string_view(reinterpret_cast<const char*>(data), size));
  SpringBoard::shared().holdVolumeUp();
  if (!TweakState::lookUp().popupShown()) __builtin_trap();
  UITouches::shared().tap(CGPoint{1, 1});
  if (TweakState::lookUp().popupShown()) __builtin_trap();
  return 0;
}
