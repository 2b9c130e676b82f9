#include "Console.h"

#include <editline/readline.h>

#include <chrono>
#include <iostream>
#include <optional>
#include <string>
#include <utility>

#include "CoreFoundation/CFRunLoop.h"
#include "LineInput.h"
#include "common/Report.h"
#include "device/CommandEngine.h"

namespace {

// How long the prompt's loop waits on the run loop at a time.
constexpr std::chrono::milliseconds kIdleTurn(250);

}  // namespace

bool runLine(CommandEngine& engine, const std::string& line) {
  return report(std::cout, engine.execute(line));
}

Failure lineTooLong() {
  return fail("a line longer than " + std::to_string(kLongestLine) +
              " bytes; the input is not read further");
}

bool readLine(std::istream& input, std::string& line, bool& tooLong) {
  line.clear();
  for (std::streambuf* buffer = input.rdbuf();;) {
    const auto c = buffer->sbumpc();
    if (c == std::char_traits<char>::eof()) return !line.empty();
    if (c == '\n') return true;
    if (line.size() == kLongestLine) return !(tooLong = true);
    line += static_cast<char>(c);
  }
}

bool runScript(CommandEngine& engine, std::istream& input) {
  bool allOk = true;
  bool tooLong = false;
  std::string line;
  while (!engine.quitRequested() && readLine(input, line, tooLong)) {
    allOk = runLine(engine, line) && allOk;
  }
  if (tooLong) report(std::cout, lineTooLong());
  return allOk && !tooLong;
}

void remember(const std::string& line) {
  if (line.find_first_not_of(" \t") != std::string::npos) add_history(line.c_str());
}

void runInteractive(CommandEngine& engine) {
  std::cout << "Orbelle 2 simulator. Type help for the commands, quit to leave.\n";
  std::optional<std::string> typed;
  LineInput input([&](const std::string& line) { typed = line; });
  // Between two lines the device's run loop goes on: timers fire, notifications arrive.
  while (!engine.quitRequested() && !input.ended()) {
    if (!typed) {
      CFRunLoop::main().runFor(kIdleTurn, true);
      // What VoiceOver said of its own accord meanwhile (an app posted a change).
      if (const auto heard = engine.heardByVoiceOver(); !heard.empty()) {
        LineInput::print(heard.substr(1));
      }
      continue;
    }
    runLine(engine, *std::exchange(typed, std::nullopt));
    if (!engine.quitRequested()) input.resume();
  }
}
