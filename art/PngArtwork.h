#pragma once

#include <cairo.h>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Artwork drawn with Cairo into PNG files, at one pixel a unit and again at two and three for
// "@2x" and "@3x".
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

// The denser twins a file has: "name@2x.png" and "name@3x.png" for "name.png", the same
// artwork at two and three pixels per point, which screens of those densities load in its
// place. A name that gives its density ("...@2x.png") has none.
inline constexpr int kDensities[] = {2, 3};

inline std::string densitySuffix(int density) {
  return "@" + std::to_string(density) + "x";
}

inline bool namesItsDensity(const std::filesystem::path& file) {
  for (const int density : kDensities) {
    if (file.stem().string().ends_with(densitySuffix(density))) return true;
  }
  return false;
}

// The file and its denser twins.
inline bool drawAll(const std::filesystem::path& file, int width, int height,
                    const Painter& paint) {
  if (!draw(file, width, height, 1, paint)) return false;
  if (namesItsDensity(file)) return true;
  for (const int density : kDensities) {
    const auto twin = file.parent_path() /
                      (file.stem().string() + densitySuffix(density) + file.extension().string());
    if (!draw(twin, width, height, density, paint)) return false;
  }
  return true;
}

// One file a tool draws: its name, its size in units (pixels of the named file) and its
// painter.
struct Artwork {
  std::string_view file;
  int width;
  int height;
  Painter paint;
};

// A build tool's whole run: `tool ROOT`, each artwork drawn with its denser twins into the
// device folder `folder` under ROOT. Answers the exit status, having said why on stderr.
inline int drawTool(int argc, char** argv, const char* tool, const char* root,
                    std::string_view folder, const std::vector<Artwork>& artwork) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s %s\n", tool, root);
    return 2;
  }
  const std::filesystem::path out =
      std::filesystem::path(argv[1]) / std::filesystem::path(folder).relative_path();
  std::filesystem::create_directories(out);
  for (const auto& art : artwork) {
    const auto file = out / art.file;
    if (!drawAll(file, art.width, art.height, art.paint)) {
      std::fprintf(stderr, "%s: cannot write %s\n", tool, file.c_str());
      return 1;
    }
  }
  return 0;
}

}  // namespace png_artwork
