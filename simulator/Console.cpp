#include "Console.h"

#include <editline/readline.h>

#include <cstdlib>
#include <iostream>
#include <memory>
#include <string>

#include "CommandEngine.h"

bool runLine(CommandEngine& engine, const std::string& line) {
  const auto result = engine.execute(line);
  if (!result) {
    std::cout << "error: " << result.error() << std::endl;
  } else if (!result->empty()) {
    std::cout << *result << std::endl;
  }
  return result.ok();
}

bool runScript(CommandEngine& engine, std::istream& input) {
  bool allOk = true;
  std::string line;
  while (!engine.quitRequested() && std::getline(input, line)) {
    allOk = runLine(engine, line) && allOk;
  }
  return allOk;
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
