// orbelle2-sim: a simulated SpringBoard with the Orbelle 2 tweak loaded, driven by commands.
#include <unistd.h>

#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Arguments.h"
#include "CommandEngine.h"
#include "Console.h"
#include "Demo.h"
#include "Device.h"

namespace {

constexpr char kUsage[] =
    "usage: orbelle2-sim [--root DIR] [--device MODEL] [--screen WxH] [--script FILE|-]\n"
    "       orbelle2-sim demo [--out DIR] [--device MODEL] [--screen WxH]\n"
    "Without --script: a prompt on a terminal, else commands from standard input.\n"
    "Commands:\n";

struct Options {
  DeviceOptions device;
  std::optional<std::string> script;
  bool demo = false;
  std::filesystem::path out = defaultDemoFolder();
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
    } else {
      return std::nullopt;
    }
  }
  return options;
}

int runCommands(const Options& options) {
  if (const auto booted = Device::boot(options.device); !booted) {
    std::cerr << "error: " << booted.error() << "\n";
    return 1;
  }
  CommandEngine engine;
  bool ok = true;
  if (options.script && *options.script != "-") {
    std::ifstream file(*options.script);
    if (!file) {
      std::cerr << "error: cannot read " << *options.script << "\n";
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
  const auto options = parse(std::vector<std::string_view>(argv + 1, argv + argc));
  if (!options) {
    std::cerr << kUsage << CommandEngine::help();
    return 2;
  }
  if (options->demo) return runDemo(options->device, options->out);
  return runCommands(*options);
}
