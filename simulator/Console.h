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
// The next line of `input`, without its end; false at the end of the input, or past
// kLongestLine (with `tooLong` set).
bool readLine(std::istream& input, std::string& line, bool& tooLong);

// Runs one command line, its result on standard output ("error: ..." when it failed).
bool runLine(CommandEngine& engine, const std::string& line);
// Feeds commands to the engine until the input ends or a command quits. Results go to
// standard output. Answers whether every command succeeded; a line longer than kLongestLine
// fails and ends the run.
bool runScript(CommandEngine& engine, std::istream& input);
// The same at a prompt with line editing and history, for a person at a terminal, until the
// input ends or a command quits. A mistyped command is answered there and then.
void runInteractive(CommandEngine& engine);
