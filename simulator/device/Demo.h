#pragma once

#include <chrono>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "device/Device.h"

class CommandEngine;

// The demo's story, a step at a time, for whatever plays it.
class DemoStory {
 public:
  using Print = std::function<void(const std::string& line)>;
  // Plays the story with the engine that runs its commands; answers whether it all went well.
  using Player = std::function<bool(DemoStory& story, CommandEngine& engine)>;

  virtual ~DemoStory() = default;
  virtual bool done() const = 0;
  // Tells or runs the next step; answers how long a person watching should be given before
  // the one after.
  virtual std::chrono::milliseconds playNext() = 0;
  virtual bool ok() const = 0;
  // Every step at once, with no one watching: a Player.
  bool playToTheEnd();
};

// The typical use, end to end, narrated on standard output with a screenshot of each step in
// `out`, played by `play`: binding on, hold volume-up, five rows, drag Audio/Video to 37 and the
// Ringtone row follows on the loudspeaker, tap outside, the HUD shows again on a press. Runs on a
// fresh device root inside `out` unless `device.root` is given. `out` is a new or empty folder, or
// one of an earlier demo run, of which only the files that run wrote are replaced. Without
// `out`, a folder of the user's own (UserFolder "orbelle2-demo").
int runDemo(DeviceOptions device, const std::optional<std::filesystem::path>& out,
            const DemoStory::Player& play, DemoStory::Print print);
