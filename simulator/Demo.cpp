#include "Demo.h"

#include <cstdlib>
#include <iostream>
#include <sstream>
#include <string>

#include "CommandEngine.h"
#include "DemoFolder.h"

std::filesystem::path defaultDemoFolder() {
  const char* tmp = std::getenv("TMPDIR");
  return std::filesystem::path(tmp && *tmp ? tmp : "/tmp") / "orbelle2-demo";
}

namespace {

class Narrator {
 public:
  Narrator(CommandEngine& engine, std::filesystem::path shots)
      : engine_(engine), shots_(std::move(shots)) {}

  void say(const std::string& text) { std::cout << "\n" << ++step_ << ". " << text << "\n"; }

  // Runs a command and shows it as the script line and its answer.
  bool run(const std::string& command) {
    const auto result = engine_.execute(command);
    std::cout << "   > " << command << "\n";
    std::istringstream lines(result ? *result : "error: " + result.error());
    for (std::string line; std::getline(lines, line);) std::cout << "     " << line << "\n";
    ok_ = ok_ && result.ok();
    return result.ok();
  }

  void shoot(const std::string& name) {
    run("screenshot \"" + (shots_ / (name + ".png")).string() + "\"");
  }

  bool ok() const { return ok_; }

 private:
  CommandEngine& engine_;
  std::filesystem::path shots_;
  int step_ = 0;
  bool ok_ = true;
};

}  // namespace

int runDemo(DeviceOptions device, const std::filesystem::path& out) {
  const auto folder = DemoFolder::claim(out);
  if (!folder) {
    std::cerr << "error: " << folder.error() << "\n";
    return 1;
  }
  const auto shots = out / "screenshots";
  std::error_code error;
  std::filesystem::create_directories(shots, error);
  if (device.root.empty()) device.root = out / "device";
  if (const auto booted = Device::boot(device); !booted) {
    std::cerr << "error: " << booted.error() << "\n";
    return 1;
  }
  std::cout << "Orbelle 2 demo on a simulated " << device.model << " (device root "
            << device.root.string() << ")\n";

  CommandEngine engine;
  Narrator demo(engine, shots);
  demo.say("SpringBoard is up with Orbelle2.dylib loaded. The home screen:");
  demo.run("state");
  demo.shoot("01-home");

  demo.say("In the preferences the user binds the ringer and audio/video sliders.");
  demo.run("prefs bindRingerAndAV true");

  demo.say(
      "A short hold of volume-up: Activator calls the listener, the popup opens with one "
      "row for each of the five categories, over a dimmed and blurred screen.");
  demo.run("hold up");
  demo.run("show");
  demo.shoot("02-popup-open");

  demo.say(
      "The user drags the Audio/Video slider to 37. Each movement writes the volume and the "
      "label; with the binding on and the loudspeaker route the Ringtone row follows.");
  demo.run("touch 1");
  demo.run("move 1 45");
  demo.run("move 1 37");
  demo.shoot("03-dragging");
  demo.run("release 1");
  demo.run("volumes");
  demo.run("show");

  demo.say("While the popup is up, SpringBoard's volume HUD is refused.");
  demo.run("hud Ringtone");

  demo.say("A tap outside the panel closes the popup.");
  demo.run("tap 12 40");
  demo.run("state");
  demo.shoot("04-closed");

  demo.say("The next press of volume-up shows the system HUD again.");
  demo.run("press up");
  demo.shoot("05-hud-again");

  std::cout << "\nScreenshots: " << shots.string() << "\n";
  if (!folder->recordRun()) {
    std::cerr << "error: cannot record the demo's files in " << out.string() << "\n";
    return 1;
  }
  return demo.ok() ? 0 : 1;
}
