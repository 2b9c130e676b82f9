// orbelle2-app: an app's process on the simulated device, started by SpringBoard (orbelle2-sim)
// with the channels it speaks over. Not for running by hand.
#include <sys/prctl.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "Foundation/NSBundle.h"
#include "Foundation/ProcessSetup.h"
#include "Settings/SettingsApp.h"
#include "SimDevice/DeviceModel.h"
#include "SimDevice/DeviceRoot.h"
#include "SimDevice/SystemLog.h"
#include "UIKit/UILabel.h"
#include "UIKit/UIScreen.h"
#include "UIKit/UIScreenSetup.h"
#include "apps/AppHost.h"
#include "common/Arguments.h"
#include "screen/FontMetrics.h"

namespace {

// The one app there is: Settings, whose executable is named Preferences.
constexpr char kBundleIdentifier[] = "com.apple.Preferences";
constexpr char kExecutable[] = "Preferences";

struct Launch {
  std::string root;
  std::string model;
  CGSize points{};
  double scale = 0;
  double statusBar = 0;
  AppHost::Options host;
};

Result<Launch> parse(int argc, char** argv) {
  if (argc < 2 || std::string(argv[1]) != SettingsApp::kName) {
    return fail(
        "usage: orbelle2-app Settings --root DIR --device MODEL --points WxH --scale N "
        "--status-bar N --questions FD --news FD");
  }
  Launch launch;
  for (int i = 2; i + 1 < argc; i += 2) {
    const std::string option = argv[i];
    const std::string value = argv[i + 1];
    const auto number = arguments::number<double>(value);
    if (option == "--root") {
      launch.root = value;
    } else if (option == "--device") {
      launch.model = value;
    } else if (option == "--points") {
      const auto by = value.find('x');
      const auto width = arguments::number<double>(value.substr(0, by));
      const auto height =
          by == std::string::npos ? width : arguments::number<double>(value.substr(by + 1));
      if (!width || !height) return fail("--points takes WIDTHxHEIGHT");
      launch.points = CGSize{*width, *height};
    } else if (!number) {
      return fail(option + " takes a number");
    } else if (option == "--scale") {
      launch.scale = *number;
    } else if (option == "--status-bar") {
      launch.statusBar = *number;
    } else if (option == "--questions") {
      launch.host.questions = static_cast<int>(*number);
    } else if (option == "--news") {
      launch.host.news = static_cast<int>(*number);
    } else {
      return fail("unknown option " + option);
    }
  }
  if (launch.root.empty() || launch.host.questions < 0 || launch.host.news < 0 ||
      launch.scale <= 0) {
    return fail("orbelle2-app is started by orbelle2-sim, with its channels");
  }
  launch.host.largestScale = launch.scale;
  return launch;
}

}  // namespace

int main(int argc, char** argv) {
  const auto launch = parse(argc, argv);
  if (!launch) {
    std::fprintf(stderr, "orbelle2-app: %s\n", launch.error().c_str());
    return 2;
  }
  prctl(PR_SET_NAME, kExecutable);
  DeviceRoot::setPath(launch->root);
  DeviceModel::setIdentifier(launch->model);
  ProcessSetup::setBundleIdentifier(kBundleIdentifier);
  SystemLog::setProcessName(kExecutable);
  UIScreenSetup::setTextMeasure(FontMetrics::measure());
  UIScreenSetup::setPortraitSize(launch->points);
  UIScreenSetup::setStatusBarHeight(launch->statusBar);
  AppHost host(launch->host);
  if (auto prepared = host.prepare(); !prepared) {
    std::fprintf(stderr, "orbelle2-app: %s\n", prepared.error().c_str());
    return 1;
  }
  host.run();
  return 0;
}
