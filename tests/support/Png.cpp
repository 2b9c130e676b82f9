#include "support/Png.h"

#include <cairo.h>

Png readPng(const std::filesystem::path& file) {
  Png png;
  cairo_surface_t* surface = cairo_image_surface_create_from_png(file.c_str());
  if (cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS) {
    png.width = cairo_image_surface_get_width(surface);
    png.height = cairo_image_surface_get_height(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    const unsigned char* data = cairo_image_surface_get_data(surface);
    for (int y = 0; y < png.height; ++y) {
      const auto* row = reinterpret_cast<const std::uint32_t*>(data + y * stride);
      png.pixels.insert(png.pixels.end(), row, row + png.width);
    }
  }
  cairo_surface_destroy(surface);
  return png;
}
