#pragma once

#include <filesystem>
#include <optional>

#include "device/Device.h"

// The typical use, end to end, narrated on standard output with a screenshot of each step in
// `out`: binding on, hold volume-up, five rows, drag Audio/Video to 37 and the Ringtone row
// follows on the loudspeaker, tap outside, the HUD shows again on a press. Runs on a fresh
// device root inside `out` unless `device.root` is given. `out` is a new or empty folder, or
// one of an earlier demo run, of which only the files that run wrote are replaced. Without
// `out`, a folder of the user's own (UserFolder "orbelle2-demo").
int runDemo(DeviceOptions device, const std::optional<std::filesystem::path>& out);
