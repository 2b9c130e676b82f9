#include "Console.h"

#include <editline/readline.h>

#include <cstdlib>
#include <iostream>
#include <memory>
#include <string>

#include "common/Report.h"
#include "device/CommandEngine.h"

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

bool runInteractive(CommandEngine& engine) {
  std::cout << "Orbelle 2 simulator. Type help for the commands, quit to leave.\n";
  bool allOk = true;
  while (!engine.quitRequested()) {
    const std::unique_ptr<char, decltype(&std::free)> raw(readline(kPrompt), &std::free);
    if (!raw) break;
    const std::string line = raw.get();
    remember(line);
    allOk = runLine(engine, line) && allOk;
  }
  return allOk;
}
