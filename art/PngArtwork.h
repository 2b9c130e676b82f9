#pragma once

#include <cairo.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

// Artwork drawn with Cairo into PNG files, at one pixel a unit and again at two for "@2x".
namespace png_artwork {

using Painter = std::function<void(cairo_t*, double w, double h)>;

// Draws `paint` over `width` x `height` units at `scale` pixels each.
inline bool draw(const std::filesystem::path& file, int width, int height, int scale,
                 const Painter& paint) {
  cairo_surface_t* surface =
      cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width * scale, height * scale);
  cairo_t* cr = cairo_create(surface);
  cairo_scale(cr, scale, scale);
  paint(cr, width, height);
  cairo_destroy(cr);
  const bool written = cairo_surface_write_to_png(surface, file.c_str()) == CAIRO_STATUS_SUCCESS;
  cairo_surface_destroy(surface);
  return written;
}

inline constexpr std::string_view kRetina = "@2x";

// "name@2x.png" for "name.png": the same artwork at two pixels per point, which a screen of
// that density loads in its place. None for a name that is "@2x" already.
inline std::optional<std::filesystem::path> retinaFile(const std::filesystem::path& file) {
  if (file.stem().string().ends_with(kRetina)) return std::nullopt;
  return file.parent_path() /
         (file.stem().string() + std::string(kRetina) + file.extension().string());
}

// The file and its "@2x" twin.
inline bool drawBoth(const std::filesystem::path& file, int width, int height,
                     const Painter& paint) {
  const auto retina = retinaFile(file);
  return draw(file, width, height, 1, paint) && (!retina || draw(*retina, width, height, 2, paint));
}

}  // namespace png_artwork
