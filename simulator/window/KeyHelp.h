#pragma once

#include <cairo.h>

#include <string>

#include "CoreGraphics/CGGeometry.h"

// The window's keys and mouse actions: listed in the usage, and drawn over the device when a
// person asks for them.
namespace key_help {

// One line a key, for the usage.
std::string text();
// The list in a card over `area` (window pixels), its text at least readable at any scale.
void draw(cairo_t* cr, CGRect area, double scale);

}  // namespace key_help
