#include "device/Demo.h"

#include <optional>
#include <string>
#include <vector>

#include "Settings/SettingsApp.h"
#include "SimDevice/DeviceRoot.h"
#include "SimDevice/FolderHandle.h"
#include "common/Report.h"
#include "common/UserFolder.h"
#include "device/CommandEngine.h"
#include "device/DemoFolder.h"
#include "device/DemoSteps.h"
#include "orbelle2/DeviceFamily.h"
#include "orbelle2/PreferenceKeys.h"
#include "orbelle2/PreferencePageNames.h"
#include "orbelle2/Skins.h"

namespace {

constexpr char kDefaultFolder[] = "orbelle2-demo";
constexpr char kBack[] = "\u2039 ";  // before the title of the page a back button returns to
// The initial list's last row, the one the story hides.
const char* lastRowOf(const std::string& model) {
  return device_family::hasNoPhone(model) ? "Video Conference" : "Phone Call";
}
constexpr char kShotsFolder[] = "screenshots";
constexpr char kDeviceFolder[] = "device";
using Part = DemoSteps::Part;

// What a run writes in its folder: the story's screenshots and all of its own device root.
std::vector<std::string> outputs(const DemoSteps& story, bool ownDevice) {
  std::vector<std::string> files;
  for (const auto& shot : story.shots()) files.push_back(std::string(kShotsFolder) + "/" + shot);
  if (ownDevice) files.push_back(std::string(kDeviceFolder) + "/");
  return files;
}

Result<std::filesystem::path> outFolder(const std::optional<std::filesystem::path>& out) {
  if (!out) return UserFolder::make(kDefaultFolder);
  return *out;
}

// The demo's own device root is held before the earlier run's files in it are removed: a
// simulator still at work there is told apart, and keeps its files.
Result<DemoFolder> prepare(const std::filesystem::path& out, const DemoSteps& story,
                           bool ownDevice) {
  auto folder = DemoFolder::claim(out, outputs(story, ownDevice));
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

// The story: the typical use, as a person goes through it.
void tell(DemoSteps& demo, const std::string& model) {
  demo.say("SpringBoard is up with Orbelle2.dylib loaded. The home screen:");
  demo.run("state");
  demo.shoot("01-home");

  demo.say("The user opens Settings from its icon, and the Orbelle 2 page.");
  demo.tapOn(SettingsApp::kName);
  demo.tapOn(preference_page::kLabel);

  demo.say("There the user switches on the binding of the ringer and audio/video sliders.");
  demo.tapOn(std::string(preference_keys::kBindRingerAndAV.title), Part::Accessory);
  demo.shoot("02-settings");

  demo.say("The Skin row opens the four skins; the user picks Metal, then goes back.");
  demo.tapOn(std::string(preference_keys::kSelectedSkin.title));
  demo.tapOn(std::string(skins::kMetalPrefix));
  demo.tapOn(kBack + std::string(preference_page::kLabel));

  demo.say("In the category editor the user hides the last row, " + std::string(lastRowOf(model)) +
           ", then goes home.");
  demo.tapOn(preference_page::kCategoryEditorTitle);
  demo.tapOn(lastRowOf(model), Part::Accessory);
  demo.shoot("03-categories");
  demo.run("home");

  demo.say(
      "A short hold of volume-up: Activator calls the listener, the popup opens in the Metal "
      "skin with a row for each of the four categories shown, over a dimmed and blurred "
      "screen.");
  demo.run("hold up");
  demo.run("show");
  demo.shoot("04-popup-open");

  demo.say(
      "The user drags the Audio/Video slider to 37. Each movement writes the volume and the "
      "label; with the binding on and the loudspeaker route the Ringtone row follows.");
  demo.run("touch 1");
  demo.run("move 1 45");
  demo.run("move 1 37");
  demo.shoot("05-dragging");
  demo.run("release 1");
  demo.run("volumes");
  demo.run("show");

  demo.say("While the popup is up, SpringBoard's volume HUD is refused.");
  demo.run("hud Ringtone");

  demo.say("A tap outside the panel closes the popup.");
  demo.run("tap 12 30");
  demo.run("state");
  demo.shoot("06-closed");

  demo.say("The next press of volume-up shows the system HUD again.");
  demo.run("press up");
  demo.shoot("07-hud-again");
}

}  // namespace

bool DemoStory::playToTheEnd() {
  while (!done()) playNext();
  return ok();
}

int runDemo(DeviceOptions device, const std::optional<std::filesystem::path>& outOption,
            const DemoStory::Player& play, DemoStory::Print print) {
  const auto out = outFolder(outOption);
  if (!out) return failed(out.failure());
  const auto shots = *out / kShotsFolder;
  DemoSteps demo(shots, print);
  tell(demo, device.model);
  const bool ownDevice = device.root.empty();
  auto folder = prepare(*out, demo, ownDevice);
  if (!folder) {
    return failed(folder.failure());
  }
  if (ownDevice) device.root = *out / kDeviceFolder;
  if (const auto booted = Device::boot(device); !booted) {
    return failed(booted.failure());
  }
  print("Orbelle 2 demo on a simulated " + device.model + " (device root " + device.root.string() +
        ")");

  CommandEngine engine;
  // The status bar's time pinned, so that every run's screenshots come out the same.
  if (auto pinned = engine.execute("clock 9:41"); !pinned) return failed(pinned.failure());
  demo.playOn(engine);
  const bool played = play(demo, engine);
  print("\nScreenshots: " + shots.string());
  if (const auto recorded = folder->recordRun(); !recorded) {
    return failed(recorded.failure());
  }
  return played ? 0 : 1;
}
