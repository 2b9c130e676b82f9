// The preferences file's bytes into the settings reader.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

#include "FuzzDevice.h"
#include "mixer/OrbelleView.h"
#include "orbelle2/PreferenceFiles.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzz_device::prepare(false);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz_device::writeFile(kPreferencesPath,
                         std::string_view(reinterpret_cast<const char*>(data), size));
  const auto view = std::make_shared<OrbelleView>(CGRectMake(0, 0, 300, 290));
  view->loadSettings();
  return 0;
}
