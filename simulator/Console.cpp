#include "Console.h"

#include <editline/readline.h>

#include <cstdlib>
#include <iostream>
#include <memory>
#include <string>

#include "device/CommandEngine.h"

bool runLine(CommandEngine& engine, const std::string& line) {
  const auto result = engine.execute(line);
  if (!result) {
    std::cout << "error: " << result.error() << std::endl;
  } else if (!result->empty()) {
    std::cout << *result << std::endl;
  }
  return result.ok();
}

std::string lineTooLong() {
  return "error: a line longer than " + std::to_string(kLongestLine) +
         " bytes; the input is not read further";
}

namespace {

// The next line, without its end; false at the end of the input or past kLongestLine.
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

}  // namespace

bool runScript(CommandEngine& engine, std::istream& input) {
  bool allOk = true;
  bool tooLong = false;
  std::string line;
  while (!engine.quitRequested() && readLine(input, line, tooLong)) {
    allOk = runLine(engine, line) && allOk;
  }
  if (tooLong) std::cout << lineTooLong() << std::endl;
  return allOk && !tooLong;
}

bool runInteractive(CommandEngine& engine) {
  std::cout << "Orbelle 2 simulator. Type help for the commands, quit to leave.\n";
  bool allOk = true;
  while (!engine.quitRequested()) {
    const std::unique_ptr<char, decltype(&std::free)> raw(readline("springboard> "), &std::free);
    if (!raw) break;
    const std::string line = raw.get();
    if (line.find_first_not_of(" \t") != std::string::npos) add_history(raw.get());
    allOk = runLine(engine, line) && allOk;
  }
  return allOk;
}
