#include "Console.h"

#include <editline/readline.h>

#include <cstdlib>
#include <iostream>
#include <memory>
#include <string>

#include "CommandEngine.h"

namespace {

bool isQuit(const std::string& line) {
  return line == "quit" || line == "exit";
}

bool runLine(CommandEngine& engine, const std::string& line) {
  const auto result = engine.execute(line);
  if (!result) {
    std::cout << "error: " << result.error() << std::endl;
  } else if (!result->empty()) {
    std::cout << *result << std::endl;
  }
  return result.ok();
}

}  // namespace

bool runScript(CommandEngine& engine, std::istream& input) {
  bool allOk = true;
  std::string line;
  while (std::getline(input, line)) {
    if (isQuit(line)) break;
    allOk = runLine(engine, line) && allOk;
  }
  return allOk;
}

bool runInteractive(CommandEngine& engine) {
  std::cout << "Orbelle 2 simulator. Type help for the commands, quit to leave.\n";
  bool allOk = true;
  for (;;) {
    const std::unique_ptr<char, decltype(&std::free)> raw(readline("springboard> "), &std::free);
    if (!raw) break;
    const std::string line = raw.get();
    if (isQuit(line)) break;
    if (line.find_first_not_of(" \t") != std::string::npos) add_history(raw.get());
    allOk = runLine(engine, line) && allOk;
  }
  return allOk;
}
