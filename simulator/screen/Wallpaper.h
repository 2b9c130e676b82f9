#pragma once

#include <cairo.h>

#include "CoreGraphics/CGGeometry.h"

// The home screen's wallpaper, behind every window, drawn in points on `cr` for a screen of
// `size`.
void drawWallpaper(cairo_t* cr, CGSize size);
