#pragma once

#include <cairo.h>

// Blurs an ARGB image surface in place: two rounds of a box average `radius` pixels each way,
// across then down, each channel alone.
void boxBlur(cairo_surface_t* image, int radius);
