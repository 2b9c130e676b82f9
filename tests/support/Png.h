#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

// The pixels of a PNG file (or of any image surface), as premultiplied ARGB words.
struct Png {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;

  std::uint32_t at(int x, int y) const {
    return pixels[std::size_t(y) * std::size_t(width) + std::size_t(x)];
  }
  // Red, green and blue added: 0 to 765.
  static int brightness(std::uint32_t argb) {
    return int((argb >> 16) & 0xff) + int((argb >> 8) & 0xff) + int(argb & 0xff);
  }
  int centreBrightness() const { return brightness(at(width / 2, height / 2)); }
};

// An empty Png (width 0) when the file is not one.
Png readPng(const std::filesystem::path& file);
