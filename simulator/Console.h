#pragma once

#include <istream>

class CommandEngine;

// Runs one command line, its result on standard output ("error: ..." when it failed).
bool runLine(CommandEngine& engine, const std::string& line);
// Feeds commands to the engine until the input ends or a command quits. Results go to
// standard output. Answers whether every command succeeded.
bool runScript(CommandEngine& engine, std::istream& input);
// The same at a prompt with line editing and history, for a person at a terminal.
bool runInteractive(CommandEngine& engine);
