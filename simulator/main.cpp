// orbelle2-sim: boots a simulated device and shows what the mixer panel reads on it.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "Celestial/AVSystemController.h"
#include "Foundation/DeviceRoot.h"
#include "Foundation/SystemLog.h"
#include "System/DeviceModel.h"
#include "mixer/CategoryEntry.h"
#include "mixer/OrbelleView.h"

namespace {

struct Options {
  std::string command;
  std::filesystem::path root;
  std::string device;
};

void usage() {
  std::cerr << "usage: orbelle2-sim demo [--root DIR] [--device MODEL]\n";
}

std::string describe(const std::optional<UIColor>& color) {
  if (!color) return "nil";
  char text[64];
  std::snprintf(text, sizeof text, "(%g, %g, %g, %g)", color->red(), color->green(), color->blue(),
                color->alpha());
  return text;
}

std::filesystem::path freshRoot() {
  std::string pattern = (std::filesystem::temp_directory_path() / "orbelle2-demo.XXXXXX").string();
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  if (mkdtemp(name.data()) == nullptr) return {};
  return name.data();
}

void printSettings(const OrbelleView& view) {
  std::cout << "Settings read from the preferences file:\n"
            << "  enableDebugLogging     " << (view.enableDebugLogging() ? "YES" : "NO") << "\n"
            << "  bindRingerAndAVVolumes " << (view.bindRingerAndAVVolumes() ? "YES" : "NO") << "\n"
            << "  displayPercentage      " << (view.displayPercentage() ? "YES" : "NO") << "\n"
            << "  selectedSkin           \"" << view.selectedSkin() << "\"\n"
            << "  thumbTintColor         " << describe(view.thumbTintColor()) << "\n"
            << "  textColor              " << describe(view.textColor()) << "\n"
            << "  minimumTrackTintColor  " << describe(view.minimumTrackTintColor()) << "\n"
            << "  maximumTrackTintColor  " << describe(view.maximumTrackTintColor()) << "\n"
            << "  isIpad " << (view.isIpad() ? "YES" : "NO") << ", isIpod "
            << (view.isIpod() ? "YES" : "NO") << "\n";
}

void printCategories(const OrbelleView& view) {
  const auto controller = AVSystemController::sharedAVSystemController();
  std::cout << "Category list (" << view.categories().size() << " entries):\n";
  for (std::size_t i = 0; i < view.categories().size(); ++i) {
    const CategoryEntry entry(view.categories()[i]);
    const std::string name = entry.categoryName() ? *entry.categoryName() : "?";
    float volume = 0;
    const bool known = controller->getVolume(volume, name);
    std::cout << "  " << i << "  " << name << " \""
              << (entry.prettyCategoryName() ? *entry.prettyCategoryName() : "") << "\" "
              << (entry.visible() ? "visible" : "hidden") << "  volume "
              << (known ? std::to_string(volume) : std::string("unknown")) << "\n";
  }
}

int demo(const Options& options) {
  const auto root = options.root.empty() ? freshRoot() : options.root;
  if (root.empty()) {
    std::cerr << "error: cannot create a device root\n";
    return 1;
  }
  DeviceRoot::setPath(root);
  if (!options.device.empty()) DeviceModel::setIdentifier(options.device);
  SystemLog::setProcessName("SpringBoard");

  std::cout << "Device " << DeviceModel::identifier() << ", root " << root.string() << "\n";
  const auto view = std::make_shared<OrbelleView>(CGRectMake(0, 0, 325, 290));
  view->loadSettings();
  printSettings(*view);
  view->loadCategories();
  printCategories(*view);
  std::cout << "The category list is now on the device: "
            << DeviceRoot::resolve("/var/mobile/Library/Preferences").string() << "\n";
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  std::vector<std::string_view> args(argv + 1, argv + argc);
  for (std::size_t i = 0; i < args.size(); ++i) {
    const bool hasValue = i + 1 < args.size();
    if (args[i] == "--root" && hasValue) {
      options.root = args[++i];
    } else if (args[i] == "--device" && hasValue) {
      options.device = args[++i];
    } else if (options.command.empty() && !args[i].starts_with("-")) {
      options.command = args[i];
    } else {
      usage();
      return 2;
    }
  }
  if (options.command != "demo") {
    usage();
    return 2;
  }
  return demo(options);
}
