#pragma once

#include <cairo.h>

#include "CoreGraphics/CGGeometry.h"

// SpringBoard's home screen under every window: a wallpaper, rows of app icons and the dock,
// drawn in points on `cr` for a screen of `size`.
void drawHomeScreen(cairo_t* cr, CGSize size);
