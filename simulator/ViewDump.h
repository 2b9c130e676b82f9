#pragma once

#include <string>

// The screen's visible windows back to front, each followed by its views depth first, one
// line each, indented two spaces a level.
std::string dumpScreen();
