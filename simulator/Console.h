#pragma once

#include <cstddef>
#include <istream>
#include <string>

#include "common/Result.h"

class CommandEngine;

// No command is this long: a longer line (a file with no line ends, say) ends the input rather
// than fill the memory.
inline constexpr std::size_t kLongestLine = 64 * 1024;
// The prompt a person types commands at, with or without the window.
inline constexpr char kPrompt[] = "springboard> ";
// Keeps a typed line in the prompt's history, unless it is blank.
void remember(const std::string& line);
Failure lineTooLong();

// Runs one command line, its result on standard output ("error: ..." when it failed).
bool runLine(CommandEngine& engine, const std::string& line);
// Feeds commands to the engine until the input ends or a command quits. Results go to
// standard output. Answers whether every command succeeded; a line longer than kLongestLine
// fails and ends the run.
bool runScript(CommandEngine& engine, std::istream& input);
// The same at a prompt with line editing and history, for a person at a terminal.
bool runInteractive(CommandEngine& engine);
