#pragma once

#include <string_view>

// Writes one line to the system log. The message is text, never a format: callers build it
// first, so stored strings cannot be read as directives.
void NSLog(std::string_view message);
