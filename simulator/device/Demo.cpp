#include "device/Demo.h"

#include <algorithm>
#include <cmath>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "Settings/SettingsApp.h"
#include "SimDevice/DeviceRoot.h"
#include "SimDevice/FolderHandle.h"
#include "UIKit/UIScreen.h"
#include "common/Report.h"
#include "common/Shortest.h"
#include "common/UserFolder.h"
#include "device/CommandEngine.h"
#include "device/DemoFolder.h"
#include "orbelle2/PreferenceKeys.h"
#include "orbelle2/PreferencePageNames.h"
#include "orbelle2/Skins.h"
#include "screen/LabelledTarget.h"

namespace {

constexpr char kDefaultFolder[] = "orbelle2-demo";
constexpr char kBack[] = "\u2039 ";  // before the title of the page a back button returns to
// The initial list's last row, the one the story hides.
const char* lastRowOf(const std::string& model) {
  const bool phoneless = model.starts_with("iPad") || model.starts_with("iPod");
  return phoneless ? "Video Conference" : "Phone Call";
}
constexpr char kShotsFolder[] = "screenshots";
constexpr char kDeviceFolder[] = "device";
constexpr const char* kShots[] = {"01-home",     "02-settings", "03-categories", "04-popup-open",
                                  "05-dragging", "06-closed",   "07-hud-again"};
enum Shot { kHome, kSettings, kCategories, kPopupOpen, kDragging, kClosed, kHudAgain };
using labelled_target::Part;

// What a run writes in its folder: the screenshots and all of its own device root.
std::vector<std::string> outputs(bool ownDevice) {
  std::vector<std::string> files;
  for (const char* shot : kShots) files.push_back(std::string(kShotsFolder) + "/" + shot + ".png");
  if (ownDevice) files.push_back(std::string(kDeviceFolder) + "/");
  return files;
}

Result<std::filesystem::path> outFolder(const std::optional<std::filesystem::path>& out) {
  if (!out) return UserFolder::make(kDefaultFolder);
  return *out;
}

// The demo's steps, told and run one at a time: a sentence of the story, a command shown as its
// script line and its answer, or a screenshot.
class Narrator : public DemoStory {
 public:
  Narrator(CommandEngine& engine, std::filesystem::path shots, Print print)
      : engine_(engine), shots_(std::move(shots)), print_(std::move(print)) {}

  void say(const std::string& text) { steps_.push_back({Step::kSay, text}); }
  void run(const std::string& command) { steps_.push_back({Step::kRun, command}); }
  // A tap on what the label names, found on the screen as it is when the step comes.
  void tapOn(const std::string& label, Part part = Part::Whole) {
    steps_.push_back({part == Part::Whole ? Step::kTapOn : Step::kTapOnSwitch, label});
  }
  void shoot(Shot shot) {
    run("screenshot \"" + (shots_ / (std::string(kShots[shot]) + ".png")).string() + "\"");
  }

  bool done() const override { return next_ == steps_.size(); }
  bool ok() const override { return ok_; }
  std::chrono::milliseconds playNext() override {
    const Step& step = steps_.at(next_++);
    if (step.kind == Step::kSay) {
      print_("\n" + std::to_string(++told_) + ". " + step.text);
      return kAfterSaying;
    }
    if (step.kind == Step::kRun) {
      execute(step.text);
    } else {
      tap(step.text, step.kind == Step::kTapOn ? Part::Whole : Part::Accessory);
    }
    return kAfterRunning;
  }

 private:
  struct Step {
    enum Kind { kSay, kRun, kTapOn, kTapOnSwitch } kind;
    std::string text;
  };

  void execute(const std::string& command) {
    const auto result = engine_.execute(command);
    print_("   > " + command);
    std::ostringstream said;
    report(said, result);
    std::istringstream lines(said.str());
    for (std::string line; std::getline(lines, line);) print_("     " + line);
    ok_ = ok_ && result.ok();
  }

  // A row scrolled out of sight is brought to the screen's middle first, a swipe of at most
  // half the screen at a time, as a finger would.
  void tap(const std::string& label, Part part) {
    auto at = labelled_target::find(label, part);
    const CGSize screen = UIScreen::mainScreen().bounds().size;
    for (int swipes = 0; at && at->scrollBy && swipes < kMostSwipes; ++swipes) {
      const double reach = screen.height / 2;
      const double by = std::clamp(*at->scrollBy, -reach, reach);
      const double from = by > 0 ? screen.height * 0.75 : screen.height * 0.25;
      execute("swipe " + shortest(screen.width / 2) + " " + shortest(from) + " " +
              shortest(screen.width / 2) + " " + shortest(std::round(from - by)));
      at = labelled_target::find(label, part);
    }
    if (!at) {
      print_("   > tap on \"" + label + "\"");
      report(std::cout, at.failure());
      ok_ = false;
      return;
    }
    execute("tap " + shortest(std::round(at->point.x)) + " " + shortest(std::round(at->point.y)));
  }
  // What a person watching the window has time to take in.
  static constexpr std::chrono::milliseconds kAfterSaying{1500};
  static constexpr std::chrono::milliseconds kAfterRunning{700};
  static constexpr int kMostSwipes = 8;

  CommandEngine& engine_;
  std::filesystem::path shots_;
  Print print_;
  std::vector<Step> steps_;
  std::size_t next_ = 0;
  int told_ = 0;
  bool ok_ = true;
};

// The demo's own device root is held before the earlier run's files in it are removed: a
// simulator still at work there is told apart, and keeps its files.
Result<DemoFolder> prepare(const std::filesystem::path& out, bool ownDevice) {
  auto folder = DemoFolder::claim(out, outputs(ownDevice));
  if (!folder) return folder;
  std::string keep;
  if (ownDevice) {
    std::error_code ignored;
    DeviceRoot::setPath(std::filesystem::absolute(out / kDeviceFolder, ignored));
    if (auto claimed = Device::claimRoot(); !claimed) return claimed.failure();
    keep = std::string(kDeviceFolder) + Device::kRootClaim;
  }
  if (auto removed = folder->removeEarlierRun(keep); !removed) return removed.failure();
  FileError error;
  if (!FolderHandle::open(out, kShotsFolder, true, error)) {
    return fail("cannot use the demo folder: " + error.describe());
  }
  return folder;
}

}  // namespace

bool DemoStory::playToTheEnd() {
  while (!done()) playNext();
  return ok();
}

int runDemo(DeviceOptions device, const std::optional<std::filesystem::path>& outOption,
            const DemoStory::Player& play, DemoStory::Print print) {
  const auto out = outFolder(outOption);
  const bool ownDevice = device.root.empty();
  auto folder = out ? prepare(*out, ownDevice) : out.failure();
  if (!folder) {
    return failed(folder.failure());
  }
  const auto shots = *out / kShotsFolder;
  if (ownDevice) device.root = *out / kDeviceFolder;
  if (const auto booted = Device::boot(device); !booted) {
    return failed(booted.failure());
  }
  print("Orbelle 2 demo on a simulated " + device.model + " (device root " + device.root.string() +
        ")");

  CommandEngine engine;
  // The status bar's time pinned, so that every run's screenshots come out the same.
  if (auto pinned = engine.execute("clock 9:41"); !pinned) return failed(pinned.failure());
  Narrator demo(engine, shots, print);
  demo.say("SpringBoard is up with Orbelle2.dylib loaded. The home screen:");
  demo.run("state");
  demo.shoot(kHome);

  demo.say("The user opens Settings from its icon, and the Orbelle 2 page.");
  demo.tapOn(SettingsApp::kName);
  demo.tapOn(preference_page::kLabel);

  demo.say("There the user switches on the binding of the ringer and audio/video sliders.");
  demo.tapOn(std::string(preference_keys::kBindRingerAndAV.title), Part::Accessory);
  demo.shoot(kSettings);

  demo.say("The Skin row opens the four skins; the user picks Metal, then goes back.");
  demo.tapOn(std::string(preference_keys::kSelectedSkin.title));
  demo.tapOn(std::string(skins::kMetalPrefix));
  demo.tapOn(kBack + std::string(preference_page::kLabel));

  demo.say("In the category editor the user hides the last row, " +
           std::string(lastRowOf(device.model)) + ", then goes home.");
  demo.tapOn(preference_page::kCategoryEditorTitle);
  demo.tapOn(lastRowOf(device.model), Part::Accessory);
  demo.shoot(kCategories);
  demo.run("home");

  demo.say(
      "A short hold of volume-up: Activator calls the listener, the popup opens in the Metal "
      "skin with a row for each of the four categories shown, over a dimmed and blurred "
      "screen.");
  demo.run("hold up");
  demo.run("show");
  demo.shoot(kPopupOpen);

  demo.say(
      "The user drags the Audio/Video slider to 37. Each movement writes the volume and the "
      "label; with the binding on and the loudspeaker route the Ringtone row follows.");
  demo.run("touch 1");
  demo.run("move 1 45");
  demo.run("move 1 37");
  demo.shoot(kDragging);
  demo.run("release 1");
  demo.run("volumes");
  demo.run("show");

  demo.say("While the popup is up, SpringBoard's volume HUD is refused.");
  demo.run("hud Ringtone");

  demo.say("A tap outside the panel closes the popup.");
  demo.run("tap 12 30");
  demo.run("state");
  demo.shoot(kClosed);

  demo.say("The next press of volume-up shows the system HUD again.");
  demo.run("press up");
  demo.shoot(kHudAgain);

  const bool played = play(demo, engine);
  print("\nScreenshots: " + shots.string());
  if (const auto recorded = folder->recordRun(); !recorded) {
    return failed(recorded.failure());
  }
  return played ? 0 : 1;
}
