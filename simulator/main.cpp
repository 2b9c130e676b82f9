// orbelle2-sim: a simulated SpringBoard with the Orbelle 2 tweak loaded, driven by commands.
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Console.h"
#include "LineInput.h"
#include "SimDevice/DeviceRoot.h"
#include "common/Arguments.h"
#include "device/CommandEngine.h"
#include "device/Demo.h"
#include "device/Device.h"
#include "window/DeviceWindow.h"

namespace {

constexpr char kUsage[] =
    "usage: orbelle2-sim [--root DIR] [--device MODEL] [--screen WxH] [--script FILE|-]\n"
    "       orbelle2-sim --window [--scale S] [--root DIR] [--device MODEL] [--screen WxH]\n"
    "       orbelle2-sim demo [--out DIR] [--device MODEL] [--screen WxH]\n"
    "Without --script: a prompt on a terminal, else commands from standard input; with\n"
    "--window, the device in a window (S window pixels a point, 1 by default) and commands\n"
    "beside it. In the window: the mouse is a finger, Up and Down the volume buttons,\n"
    "R turns the device, T Reduce Transparency, P media playing, S a screenshot, Q quits.\n"
    "Commands:\n";
constexpr double kLargestScale = 4;
// How long the window waits for its events before it looks at standard input and the
// Darwin notifications again.
constexpr std::chrono::milliseconds kWindowPoll{50};

struct Options {
  DeviceOptions device;
  std::optional<std::string> script;
  bool demo = false;
  bool window = false;
  double scale = 1;
  std::optional<std::filesystem::path> out;  // the demo's; empty: its default
};

std::optional<Options> parse(const std::vector<std::string_view>& args) {
  Options options;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const bool hasValue = i + 1 < args.size();
    if (args[i] == "demo") {
      options.demo = true;
    } else if (args[i] == "--root" && hasValue) {
      options.device.root = args[++i];
    } else if (args[i] == "--device" && hasValue) {
      options.device.model = args[++i];
    } else if (args[i] == "--screen" && hasValue) {
      options.device.screen = arguments::screenSize(args[++i]);
      if (!options.device.screen) return std::nullopt;
    } else if (args[i] == "--script" && hasValue) {
      options.script = std::string(args[++i]);
    } else if (args[i] == "--out" && hasValue) {
      options.out = args[++i];
    } else if (args[i] == "--window") {
      options.window = true;
    } else if (args[i] == "--scale" && hasValue) {
      const auto scale = arguments::number<double>(args[++i]);
      if (!scale || *scale <= 0 || *scale > kLargestScale) return std::nullopt;
      options.scale = *scale;
    } else {
      return std::nullopt;
    }
  }
  return options;
}

// The device in a window, with commands from standard input beside it.
int runWindow(const Options& options, CommandEngine& engine) {
  const std::string title =
      "Orbelle 2 \u2014 " + options.device.model + " \u2014 " + DeviceRoot::path().string();
  const auto window = DeviceWindow::open(options.scale, title);
  if (!window) {
    std::cerr << "error: " << window.error() << "\n";
    return 1;
  }
  std::cout << (*window)->describe() << std::endl;
  const LineInput input([&](const std::string& line) {
    runLine(engine, line);
    if (engine.quitRequested()) (*window)->close();
  });
  while ((*window)->step(kWindowPoll)) {
  }
  return 0;
}

int runCommands(const Options& options) {
  if (const auto booted = Device::boot(options.device); !booted) {
    std::cerr << "error: " << booted.error() << "\n";
    return 1;
  }
  CommandEngine engine;
  if (options.window) return runWindow(options, engine);
  bool ok = true;
  if (options.script && *options.script != "-") {
    std::ifstream file(*options.script);
    const int cause = errno;
    std::error_code error;
    if (!file || std::filesystem::is_directory(*options.script, error)) {
      std::cerr << "error: cannot read " << *options.script << ": "
                << (file ? "it is a folder" : std::strerror(cause)) << "\n";
      return 1;
    }
    ok = runScript(engine, file);
  } else if (!options.script && isatty(STDIN_FILENO)) {
    ok = runInteractive(engine);
  } else {
    ok = runScript(engine, std::cin);
  }
  return ok ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  // Past a file-size limit a write fails (EFBIG) and is reported; the signal would end the
  // program midway instead.
  std::signal(SIGXFSZ, SIG_IGN);
  const auto options = parse(std::vector<std::string_view>(argv + 1, argv + argc));
  if (!options) {
    std::cerr << kUsage << CommandEngine::help();
    return 2;
  }
  if (options->demo) return runDemo(options->device, options->out);
  return runCommands(*options);
}
