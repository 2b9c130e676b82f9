#pragma once

#include <cairo.h>

#include <memory>

// Cairo's objects, owned.
struct CairoSurfaceDeleter {
  void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
};
using CairoSurface = std::unique_ptr<cairo_surface_t, CairoSurfaceDeleter>;

struct CairoContextDeleter {
  void operator()(cairo_t* cr) const { cairo_destroy(cr); }
};
using CairoContext = std::unique_ptr<cairo_t, CairoContextDeleter>;
