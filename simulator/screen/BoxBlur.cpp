#include "screen/BoxBlur.h"

#include <algorithm>
#include <cstddef>
#include <vector>

namespace {

// A sliding-window average over `count` pixels `step` bytes apart, each channel alone.
void boxPass(unsigned char* start, int count, std::size_t step, int radius,
             std::vector<unsigned char>& line) {
  const auto at = [step](int i, int channel) {
    return std::size_t(i) * step + std::size_t(channel);
  };
  line.resize(std::size_t(count) * 4);
  for (int i = 0; i < count; ++i)
    std::copy_n(start + at(i, 0), 4, line.data() + std::size_t(i) * 4);
  for (int channel = 0; channel < 4; ++channel) {
    const auto was = [&](int i) { return line[std::size_t(i) * 4 + std::size_t(channel)]; };
    int sum = 0, n = 0;
    for (int k = 0; k <= std::min(radius, count - 1); ++k, ++n) sum += was(k);
    for (int i = 0; i < count; ++i) {
      start[at(i, channel)] = static_cast<unsigned char>(sum / n);
      if (i + radius + 1 < count) sum += was(i + radius + 1), ++n;
      if (i - radius >= 0) sum -= was(i - radius), --n;
    }
  }
}

}  // namespace

void boxBlur(cairo_surface_t* image, int radius) {
  cairo_surface_flush(image);
  const int width = cairo_image_surface_get_width(image);
  const int height = cairo_image_surface_get_height(image);
  const auto stride = static_cast<std::size_t>(cairo_image_surface_get_stride(image));
  unsigned char* data = cairo_image_surface_get_data(image);
  if (!data || width == 0 || height == 0) return;
  std::vector<unsigned char> line;
  for (int round = 0; round < 2; ++round) {
    for (int row = 0; row < height; ++row) boxPass(data + row * stride, width, 4, radius, line);
    for (int col = 0; col < width; ++col) boxPass(data + col * 4, height, stride, radius, line);
  }
  cairo_surface_mark_dirty(image);
}
