#pragma once

#include <istream>

class CommandEngine;

// Feeds commands to the engine until the input ends ("quit" and "exit" end it too). Results
// go to standard output. Answers whether every command succeeded.
bool runScript(CommandEngine& engine, std::istream& input);
// The same at a prompt with line editing and history, for a person at a terminal.
bool runInteractive(CommandEngine& engine);
