// Speed and memory of the popup, measured on a temporary device with the real tweak loaded
// into a booted SpringBoard, real plist files and real skin images.
#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "Celestial/AVSystemController.h"
#include "Celestial/AudioHardware.h"
#include "CoreFoundation/CFRunLoop.h"
#include "Foundation/PropertyListFile.h"
#include "Settings/SettingsApp.h"
#include "SimDevice/SystemLog.h"
#include "SpringBoard/SpringBoard.h"
#include "UIKit/UIApplication.h"
#include "UIKit/UIImage.h"
#include "UIKit/UIScreen.h"
#include "UIKit/UISlider.h"
#include "UIKit/UITouches.h"
#include "device/Device.h"
#include "device/ScreenElements.h"
#include "device/TweakState.h"
#include "device/VoiceOver.h"
#include "mixer/CategoryList.h"
#include "orbelle2/CategoryNames.h"
#include "orbelle2/ImageSkin.h"
#include "orbelle2/PreferenceFiles.h"
#include "orbelle2/PreferenceKeys.h"
#include "screen/SceneSnapshot.h"
#include "screen/ScreenRenderer.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr std::string_view kSkins[] = {skins::kDefaultIos, skins::kMetalPrefix};
// The images one row loads, by skin, as the skins say.
std::vector<const char*> skinImages(int skin) {
  if (skin == 0) {
    const auto files = skins::kDefaultIosSkin.files();
    return {files.begin(), files.end()};
  }
  const auto files = skins::kMetalSkin.files();
  return {files.begin(), files.end()};
}

TweakState& tweak() {
  static TweakState state = [] {
    std::string pattern = (std::filesystem::temp_directory_path() / "orbelle2-bench.XXXXXX");
    if (mkdtemp(pattern.data()) == nullptr) std::abort();
    SystemLog::setSink([](const SystemLog::Entry&) {});  // the creation line, once
    DeviceOptions device;
    device.root = pattern;
    if (const auto booted = Device::boot(device); !booted) {
      std::fprintf(stderr, "bench: %s\n", booted.error().c_str());
      std::abort();
    }
    return TweakState::lookUp();
  }();
  return state;
}

void openPopup() {
  SpringBoard::shared().holdVolumeUp();
}
void closePopup() {
  UITouches::shared().tap(CGPoint{1, 1});
}

// What the device does between two touches: the notifications and timers that are due.
void settle() {
  CFRunLoop::main().runUntilIdle();
}

// Every benchmark starts here, from what no earlier one left: the popup closed, everything due
// handled, the volumes and routes as the device boots with them (a finger goes down on a thumb
// where a fresh panel has it), then the files it is to open on.
void configure(int rows, int skin, bool bind = false) {
  tweak();
  if (tweak().popupShown()) closePopup();
  settle();
  AudioHardware::reset();
  const auto initial = CategoryList::initial(false);
  PlistValue::Array list;
  for (int i = 0; i < rows; ++i) list.push_back(initial[std::size_t(i) % initial.size()]);
  PropertyListFile::write(PlistValue(std::move(list)), kCategoriesPath);
  PlistValue::Dictionary prefs;
  prefs.emplace(preference_keys::kSelectedSkin.name, std::string(kSkins[skin]));
  prefs.emplace(preference_keys::kBindRingerAndAV.name, bind);
  PropertyListFile::write(PlistValue(std::move(prefs)), kPreferencesPath);
}

// The same file work as one opening, done bare: the preferences read once, the category list
// twice (counted for sizing, read by the panel), and each image a row loads looked up and read
// as a row does (the "@2x" file first, on this screen of scale 2).
void floorWork(int rows, int skin) {
  benchmark::DoNotOptimize(PropertyListFile::readArray(kCategoriesPath));
  benchmark::DoNotOptimize(PropertyListFile::readDictionary(kPreferencesPath));
  benchmark::DoNotOptimize(PropertyListFile::readArray(kCategoriesPath));
  const auto images = skinImages(skin);
  for (int row = 0; row < rows; ++row) {
    for (const char* image : images) {
      benchmark::DoNotOptimize(
          UIImage::imageWithContentsOfFile(std::string(skins::kFolder) + image));
    }
  }
}

double seconds(Clock::time_point from, Clock::time_point to) {
  return std::chrono::duration<double>(to - from).count();
}

void BM_PopupOpen(benchmark::State& state) {
  const int rows = int(state.range(0));
  const int skin = int(state.range(1));
  configure(rows, skin);
  double open = 0, floor = 0;
  for (auto _ : state) {
    const auto start = Clock::now();
    openPopup();
    const auto opened = Clock::now();
    closePopup();
    const auto floorStart = Clock::now();
    floorWork(rows, skin);
    const auto floorEnd = Clock::now();
    state.SetIterationTime(seconds(start, opened));
    open += seconds(start, opened);
    floor += seconds(floorStart, floorEnd);
  }
  state.counters["ratio"] = open / floor;
  state.counters["floor_us"] = benchmark::Counter(floor * 1e6 / double(state.iterations()));
  state.SetLabel(std::string(kSkins[skin]));
}
BENCHMARK(BM_PopupOpen)
    ->ArgNames({"rows", "skin"})
    ->ArgsProduct({{5, 50, 500}, {0, 1}})
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);

void BM_PopupClose(benchmark::State& state) {
  configure(5, 0);
  for (auto _ : state) {
    openPopup();
    const auto start = Clock::now();
    closePopup();
    state.SetIterationTime(seconds(start, Clock::now()));
  }
}
BENCHMARK(BM_PopupClose)->UseManualTime()->Unit(benchmark::kMicrosecond);

// A finger already on the Audio/Video slider moves: the label, the volume, the notification
// and the handler that leaves the dragged row alone, as the run loop delivers it.
void BM_DragStep(benchmark::State& state) {
  configure(5, 0);
  openPopup();
  auto& touches = UITouches::shared();
  const auto slider = tweak().slider(1);
  const auto screen = [&](float percent) {
    const CGPoint local = slider->pointForValue(percent);
    return slider->convertPointToView(local, nullptr);
  };
  touches.touchDown(screen(50));
  bool up = false;
  for (auto _ : state) {
    touches.touchMoved(screen(up ? 70.0f : 30.0f));
    settle();
    up = !up;
  }
  touches.touchUp(screen(50));
  closePopup();
}
BENCHMARK(BM_DragStep)->Unit(benchmark::kMicrosecond);

// Another app changes Audio/Video with the binding on and the loudspeaker route: two rows move.
void BM_ExternalVolumeChange(benchmark::State& state) {
  configure(5, 0, true);
  openPopup();
  const auto controller = AVSystemController::sharedAVSystemController();
  bool up = false;
  for (auto _ : state) {
    controller->setVolumeTo(up ? 0.7f : 0.3f, category_names::kAudioVideo);
    settle();
    up = !up;
  }
  closePopup();
}
BENCHMARK(BM_ExternalVolumeChange)->Unit(benchmark::kMicrosecond);

// The window's frames: the screen drawn by the renderer the window keeps (the blurred backdrop
// made once an opening), with the popup open on five rows over the home screen or over the
// Settings app on the tweak's page, with or without blur, at the asked scale, after a first
// full frame.
struct OpenFrame {
  explicit OpenFrame(const benchmark::State& state)
      : renderer(double(state.range(0))), target(screenSurface(double(state.range(0)))) {
    configure(5, 0);
    *tweak().blur = state.range(1) != 0;
    if (state.range(2) != 0) openSettingsPage();
    openPopup();
    renderer.draw(target.get());
  }
  ~OpenFrame() {
    closePopup();
    SpringBoard::shared().pressHomeButton();
    *tweak().blur = true;
  }
  // Settings in its own process, back where it was left: the entry tapped the first time.
  static void openSettingsPage() {
    static bool onThePage = false;
    SpringBoard::shared().launchApplication(SettingsApp::kName);
    if (!std::exchange(onThePage, true)) UITouches::shared().tap(CGPoint{187, 121});
  }
  static CairoSurface screenSurface(double scale) {
    const CGSize size = UIScreen::mainScreen().bounds().size;
    return CairoSurface(cairo_image_surface_create(CAIRO_FORMAT_RGB24, int(size.width * scale),
                                                   int(size.height * scale)));
  }
  ScreenRenderer renderer;
  CairoSurface target;
};

// Everything drawn anew, as when the window is exposed or the device turns; the Settings app's
// frame as its process drew it last.
void BM_FullFrame(benchmark::State& state) {
  OpenFrame frame(state);
  for (auto _ : state) frame.renderer.draw(frame.target.get());
}
BENCHMARK(BM_FullFrame)
    ->ArgNames({"scale", "blur", "settings"})
    ->ArgsProduct({{1, 2}, {0, 1}, {0, 1}})
    ->Unit(benchmark::kMicrosecond);

// The Settings app in front changes each frame (its page scrolled a point down and back): its
// process draws its windows anew, then SpringBoard draws the screen over them. No popup.
void BM_SettingsChangedFrame(benchmark::State& state) {
  configure(5, 0);
  const double scale = double(state.range(0));
  ScreenRenderer renderer(scale);
  const auto target = OpenFrame::screenSurface(scale);
  OpenFrame::openSettingsPage();
  auto& touches = UITouches::shared();
  const CGPoint middle{187, 400};
  double by = 1;
  for (auto _ : state) {
    touches.touchDown(middle);
    touches.touchMoved(CGPoint{middle.x, middle.y - 12 * by});
    touches.touchUp(CGPoint{middle.x, middle.y - 12 * by});
    by = -by;
    renderer.draw(target.get());
  }
  SpringBoard::shared().pressHomeButton();
}
BENCHMARK(BM_SettingsChangedFrame)->ArgName("scale")->Arg(2)->Unit(benchmark::kMicrosecond);

// A finger on the Audio/Video slider moves one step and the window draws what changed: the
// scene compared with the last frame's, then only those areas drawn.
void BM_DragFrame(benchmark::State& state) {
  OpenFrame frame(state);
  auto& touches = UITouches::shared();
  const auto slider = tweak().slider(1);
  const auto at = [&](float percent) {
    return slider->convertPointToView(slider->pointForValue(percent), nullptr);
  };
  touches.touchDown(at(50));
  SceneSnapshot shown = SceneSnapshot::take();
  bool up = false;
  for (auto _ : state) {
    touches.touchMoved(at(up ? 52.0f : 48.0f));
    settle();
    up = !up;
    SceneSnapshot now = SceneSnapshot::take();
    frame.renderer.draw(frame.target.get(), SceneSnapshot::changes(shown, now));
    shown = std::move(now);
  }
  touches.touchUp(at(50));
}
BENCHMARK(BM_DragFrame)
    ->ArgNames({"scale", "blur", "settings"})
    ->ArgsProduct({{2}, {0, 1}, {0, 1}})
    ->Unit(benchmark::kMicrosecond);

// VoiceOver on the device, speaking through SDL's dummy audio device, which plays in real time
// as a sound card would, since a bench machine has none.
VoiceOver& voiceOver() {
  static VoiceOver* running = [] {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    return new VoiceOver();
  }();
  return *running;
}

// VoiceOver on, over the popup's five rows (SpringBoard's own process) or the tweak's page in the
// Settings app (asked over its channel), speaking or silent.
struct VoiceOverOn {
  VoiceOverOn(bool settings, bool speech) : settings_(settings) {
    configure(5, 0);
    if (settings) {
      OpenFrame::openSettingsPage();
    } else {
      openPopup();
    }
    if (speech) {
      if (!voiceOver().speaker().toAudio()) std::abort();
    } else {
      voiceOver().speaker().silent();
    }
    voiceOver().turn(true);
    settle();
    voiceOver().takeHeard();
  }
  ~VoiceOverOn() {
    voiceOver().turn(false);
    voiceOver().speaker().silent();
    if (settings_) {
      SpringBoard::shared().pressHomeButton();
    } else {
      closePopup();
    }
    settle();
  }
  bool settings_;
};

// A swipe, from the gesture to the text VoiceOver speaks (its speech begun, not waited for),
// back and forth between two elements.
void BM_VoiceOverMove(benchmark::State& state) {
  const VoiceOverOn on(state.range(0) != 0, state.range(1) != 0);
  bool forward = true;
  for (auto _ : state) {
    const auto said = forward ? voiceOver().next() : voiceOver().previous();
    if (!said) state.SkipWithError(said.error().c_str());
    benchmark::DoNotOptimize(said);
    forward = !forward;
  }
}
BENCHMARK(BM_VoiceOverMove)
    ->ArgNames({"settings", "speech"})
    ->ArgsProduct({{0, 1}, {0, 1}})
    ->Unit(benchmark::kMicrosecond);

// The baseline of a move: the screen's elements read once, as the `ax` command lists them.
void BM_AccessibilityElements(benchmark::State& state) {
  const VoiceOverOn on(state.range(0) != 0, false);
  for (auto _ : state) benchmark::DoNotOptimize(screen_elements::all());
}
BENCHMARK(BM_AccessibilityElements)
    ->ArgName("settings")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMicrosecond);

// A full frame of the open popup at scale 2 while VoiceOver speaks: espeak-ng makes a long
// utterance on its own thread, begun again every tenth frame, and SDL plays it; against the
// same frame in silence.
void BM_FrameWhileSpeaking(benchmark::State& state) {
  const bool speech = state.range(0) != 0;
  const VoiceOverOn on(false, speech);
  ScreenRenderer renderer(2);
  const auto target = OpenFrame::screenSurface(2);
  renderer.draw(target.get());
  int frame = 0;
  for (auto _ : state) {
    if (speech && frame++ % 10 == 0) {
      voiceOver().speaker().speak(
          "Audio and video, through the speaker, fifty percent, adjustable. Swipe up or down "
          "with one finger to adjust the value.");
    }
    settle();
    renderer.draw(target.get());
  }
}
BENCHMARK(BM_FrameWhileSpeaking)->ArgName("speech")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

long residentKiB() {
  long pages = 0, resident = 0;
  if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
    if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2) resident = 0;
    std::fclose(statm);
  }
  return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

void BM_MemoryOpenCloseCycles(benchmark::State& state) {
  configure(5, 0);
  for (int i = 0; i < 200; ++i) {  // warm up: allocator pools, file caches
    openPopup();
    closePopup();
  }
  const long before = residentKiB();
  for (auto _ : state) {
    for (int i = 0; i < 10000; ++i) {
      openPopup();
      closePopup();
    }
  }
  state.counters["rss_growth_kib"] = double(residentKiB() - before);
}
BENCHMARK(BM_MemoryOpenCloseCycles)->Iterations(1)->Unit(benchmark::kMillisecond);

// A respring: SpringBoard's state forgotten, the tweak unloaded and loaded again, SpringBoard
// booted to the lock screen; then the resident growth over many, for what an unload might leave
// behind. Last, as it moves the tweak's variables: the state is looked up anew after.
void BM_Respring(benchmark::State& state) {
  configure(5, 0);
  for (auto _ : state) {
    const auto loaded = SpringBoard::shared().respring();
    if (loaded.loaded.size() != 1 || !loaded.failed.empty()) state.SkipWithError("respring");
  }
  tweak() = TweakState::lookUp();
}
BENCHMARK(BM_Respring)->Unit(benchmark::kMillisecond);

void BM_MemoryResprings(benchmark::State& state) {
  configure(5, 0);
  for (int i = 0; i < 20; ++i) SpringBoard::shared().respring();  // warm up
  const long before = residentKiB();
  for (auto _ : state) {
    for (int i = 0; i < 500; ++i) {
      SpringBoard::shared().respring();
      SpringBoard::shared().unlock();
      openPopup();
      closePopup();
    }
  }
  state.counters["rss_growth_kib"] = double(residentKiB() - before);
  tweak() = TweakState::lookUp();
}
BENCHMARK(BM_MemoryResprings)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
