// Speed and memory of the popup, measured on a temporary device with the real tweak loaded
// into a booted SpringBoard, real plist files and real skin images.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "Celestial/AVSystemController.h"
#include "Device.h"
#include "Foundation/PropertyListFile.h"
#include "SimDevice/DeviceRoot.h"
#include "SimDevice/SystemLog.h"
#include "SpringBoard/SpringBoard.h"
#include "TweakState.h"
#include "UIKit/UIApplication.h"
#include "UIKit/UISlider.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr char kPrefs[] = "/var/mobile/Library/Preferences/com.zentrik.orbelle2.plist";
constexpr char kList[] = "/var/mobile/Library/Preferences/com.zentrik.orbelle2.categories.plist";
constexpr char kSkinFolder[] = "/Library/Application Support/Orbelle 2/";
const char* const kSkins[] = {"Default iOS", "Metal"};
// The images one row loads, by skin.
const std::vector<std::vector<const char*>> kSkinImages = {
    {"thumb_default.png", "speaker_quiet.png", "speaker_loud.png"},
    {"thumb_metal.png", "thumb_metal_active.png", "speaker_quiet.png", "speaker_loud.png",
     "left_track_metal@2x.png", "right_track_metal@2x.png", "right_track_metal_highlighted.png"},
};
const char* const kCategories[] = {"Ringtone", "Audio/Video", "HeadsetBT", "HeadphonesBT",
                                   "PhoneCall"};

TweakState& tweak() {
  static TweakState state = [] {
    std::string pattern = (std::filesystem::temp_directory_path() / "orbelle2-bench.XXXXXX");
    if (mkdtemp(pattern.data()) == nullptr) std::abort();
    SystemLog::setSink([](const SystemLog::Entry&) {});  // the creation line, once
    DeviceOptions device;
    device.root = pattern;
    if (const auto failure = Device::boot(device)) {
      std::fprintf(stderr, "bench: %s\n", failure->c_str());
      std::abort();
    }
    return TweakState::lookUp();
  }();
  return state;
}

void configure(int rows, int skin, bool bind = false) {
  tweak();
  PlistValue::Array list;
  for (int i = 0; i < rows; ++i) {
    PlistValue::Dictionary entry;
    entry.emplace("categoryName", PlistValue(kCategories[i % 5]));
    entry.emplace("prettyCategoryName", PlistValue(kCategories[i % 5]));
    entry.emplace("visible", PlistValue(true));
    list.emplace_back(std::move(entry));
  }
  PropertyListFile::write(PlistValue(std::move(list)), kList);
  PlistValue::Dictionary prefs;
  prefs.emplace("selectedSkin", PlistValue(kSkins[skin]));
  prefs.emplace("bindRingerAndAV", PlistValue(bind));
  PropertyListFile::write(PlistValue(std::move(prefs)), kPrefs);
}

void openPopup() {
  SpringBoard::shared().holdVolumeUp();
}
void closePopup() {
  UIApplication::sharedApplication().tap(CGPoint{1, 1});
}

// The same file work as one opening, done bare: the preferences read once, the category list
// twice (counted for sizing, read by the panel), and each image a row loads opened and its
// header read.
void floorWork(int rows, int skin) {
  benchmark::DoNotOptimize(PropertyListFile::readArray(kList));
  benchmark::DoNotOptimize(PropertyListFile::readDictionary(kPrefs));
  benchmark::DoNotOptimize(PropertyListFile::readArray(kList));
  char header[24];
  for (int row = 0; row < rows; ++row) {
    for (const char* image : kSkinImages[std::size_t(skin)]) {
      const auto path = DeviceRoot::resolve(std::string(kSkinFolder) + image);
      const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
      if (fd < 0) continue;
      benchmark::DoNotOptimize(read(fd, header, sizeof header));
      close(fd);
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
  state.SetLabel(kSkins[skin]);
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
// and the handler that leaves the dragged row alone.
void BM_DragStep(benchmark::State& state) {
  configure(5, 0);
  openPopup();
  auto& app = UIApplication::sharedApplication();
  const auto slider = std::dynamic_pointer_cast<UISlider>((*tweak().popupView)->viewWithTag(2001));
  const auto screen = [&](float percent) {
    const CGPoint local = slider->pointForValue(percent);
    return slider->convertPointToView(local, nullptr);
  };
  app.touchDown(screen(50));
  bool up = false;
  for (auto _ : state) {
    app.touchMoved(screen(up ? 70.0f : 30.0f));
    up = !up;
  }
  app.touchUp(screen(50));
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
    controller->setVolumeTo(up ? 0.7f : 0.3f, "Audio/Video");
    up = !up;
  }
  closePopup();
}
BENCHMARK(BM_ExternalVolumeChange)->Unit(benchmark::kMicrosecond);

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

}  // namespace

BENCHMARK_MAIN();
