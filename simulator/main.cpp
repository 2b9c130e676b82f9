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
#include "WindowSession.h"
#include "common/Arguments.h"
#include "common/Report.h"
#include "common/Shortest.h"
#include "device/CommandEngine.h"
#include "device/Demo.h"
#include "device/Device.h"
#include "device/ModelScreens.h"
#include "window/DeviceWindow.h"
#include "window/KeyHelp.h"
#include "window/WindowFit.h"

namespace {

constexpr char kUsage[] =
    "usage: orbelle2-sim [--window [--scale S]] [--root DIR] [--device MODEL] [--screen WxH]\n"
    "                    [--script FILE|-]\n"
    "       orbelle2-sim demo [--window [--scale S]] [--out DIR] [--device MODEL] [--screen WxH]\n"
    "Without --script: a prompt on a terminal, else commands from standard input. With\n"
    "--window, the device in a window too (S window pixels a point, 0.25 to 4; by default 2,\n"
    "or 1, or less, as the display has room), a script run in it a command a frame.\n"
    "In the window:\n";

struct Options {
  DeviceOptions device;
  std::optional<std::string> script;
  bool demo = false;
  bool window = false;
  std::optional<double> scale;
  bool help = false;
  std::optional<std::filesystem::path> out;  // the demo's; empty: its default
};

// The value after option `args[i]`, moving past it.
Result<std::string_view> valueOf(const std::vector<std::string_view>& args, std::size_t& i,
                                 const char* what) {
  if (i + 1 >= args.size() || args[i + 1].empty()) {
    return fail(std::string(args[i]) + " takes " + what);
  }
  return args[++i];
}

Result<Ok> parseOne(const std::vector<std::string_view>& args, std::size_t& i, Options& options) {
  const std::string_view option = args[i];
  const auto take = [&](const char* what) { return valueOf(args, i, what); };
  if (option == "demo") {
    options.demo = true;
  } else if (option == "--window") {
    options.window = true;
  } else if (option == "--help") {
    options.help = true;
  } else if (option == "--root" || option == "--device" || option == "--script" ||
             option == "--out") {
    const auto value = take(option == "--device"   ? "a model, such as iPhone10,4"
                            : option == "--script" ? "a file, or - for standard input"
                                                   : "a folder");
    if (!value) return value.failure();
    if (option == "--root") options.device.root = *value;
    if (option == "--device") {
      if (auto known = model_screens::of(*value); !known) return known.failure();
      options.device.model = *value;
    }
    if (option == "--script") options.script = std::string(*value);
    if (option == "--out") options.out = *value;
  } else if (option == "--screen") {
    const auto value = take("WxH");
    if (!value) return value.failure();
    const auto screen = arguments::screenSize(*value, model_screens::smallest());
    if (!screen) return fail("--screen: " + screen.error());
    options.device.screen = *screen;
  } else if (option == "--scale") {
    const std::string takes = "a number from " + shortest(window_fit::kSmallestScale) + " to " +
                              shortest(window_fit::kLargestScale);
    const auto value = take(takes.c_str());
    const auto scale = value ? arguments::number<double>(*value) : value.failure();
    if (!scale || !(*scale >= window_fit::kSmallestScale && *scale <= window_fit::kLargestScale)) {
      return fail("--scale takes " + takes);
    }
    options.scale = *scale;
  } else {
    return fail("unknown option " + std::string(option));
  }
  return Ok{};
}

Result<Options> parse(const std::vector<std::string_view>& args) {
  Options options;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (auto parsed = parseOne(args, i, options); !parsed) return parsed.failure();
  }
  if (options.scale && !options.window) return fail("--scale is the window's; add --window");
  if (options.demo && (options.script || !options.device.root.empty())) {
    return fail(
        "the demo plays its own steps on its own device; --script and --root are a "
        "session's");
  }
  return options;
}

WindowSession windowSession(const Options& options) {
  return WindowSession{options.scale, "Orbelle 2 \u2014 " + options.device.model + " \u2014 " +
                                          DeviceRoot::path().string()};
}

// The script named, or nothing for standard input; an error when it cannot be read.
Result<std::unique_ptr<std::ifstream>> openScript(const std::string& path) {
  auto file = std::make_unique<std::ifstream>(path);
  const int cause = errno;
  std::error_code error;
  if (!*file || std::filesystem::is_directory(path, error)) {
    return fail("cannot read " + path + ": " + (*file ? "it is a folder" : std::strerror(cause)));
  }
  return file;
}

int runCommands(const Options& options) {
  // A script that cannot be read is said before any device is made.
  const bool fromFile = options.script && *options.script != "-";
  Result<std::unique_ptr<std::ifstream>> file = std::unique_ptr<std::ifstream>();
  if (fromFile) file = openScript(*options.script);
  if (!file) return failed(file.failure());
  if (const auto booted = Device::boot(options.device); !booted) {
    return failed(booted.failure());
  }
  CommandEngine engine;
  if (options.window) {
    const auto session = windowSession(options);
    return fromFile ? session.runScript(engine, **file)
                    : session.runInput(engine, options.script.has_value());
  }
  bool ok = true;
  if (fromFile) {
    ok = runScript(engine, **file);
  } else if (!options.script && isatty(STDIN_FILENO)) {
    // A person's session: a mistyped command was answered at the time, and ends nothing.
    runInteractive(engine);
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
    failed(fail(options.error() + " (orbelle2-sim --help for the usage)"));
    return 2;
  }
  if (options->help) {
    std::cout << kUsage << key_help::text() << "Commands:\n" << CommandEngine::help();
    return 0;
  }
  if (options->demo) {
    if (options->window) {
      // Before the demo writes anything: a demo that cannot show itself does not begin.
      if (auto display = DeviceWindow::checkDisplay(); !display) return failed(display.failure());
    }
    const auto player = [&](DemoStory& story, CommandEngine& engine) {
      return options->window ? windowSession(*options).playDemo(story, engine)
                             : story.playToTheEnd();
    };
    return runDemo(options->device, options->out, player, &LineInput::print);
  }
  return runCommands(*options);
}
