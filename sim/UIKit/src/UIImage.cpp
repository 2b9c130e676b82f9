#include "UIKit/UIImage.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <fstream>

#include "SimDevice/DeviceRoot.h"
#include "UIKit/UIScreen.h"

namespace {

std::uint32_t bigEndian32(const unsigned char* bytes) {
  return (std::uint32_t(bytes[0]) << 24) | (std::uint32_t(bytes[1]) << 16) |
         (std::uint32_t(bytes[2]) << 8) | std::uint32_t(bytes[3]);
}

// The pixel size from a PNG's signature and header chunk; no result for anything else.
std::optional<CGSize> pngPixelSize(const std::filesystem::path& file) {
  static constexpr unsigned char kSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
  std::array<unsigned char, 24> head{};
  std::ifstream in(file, std::ios::binary);
  if (!in.read(reinterpret_cast<char*>(head.data()), head.size())) return std::nullopt;
  if (!std::equal(std::begin(kSignature), std::end(kSignature), head.begin())) return std::nullopt;
  if (std::string_view(reinterpret_cast<const char*>(&head[12]), 4) != "IHDR") return std::nullopt;
  const auto width = bigEndian32(&head[16]);
  const auto height = bigEndian32(&head[20]);
  if (width == 0 || height == 0) return std::nullopt;
  return CGSize{CGFloat(width), CGFloat(height)};
}

// The scale a file's name gives it: N for "name@Nx", else none.
std::optional<int> scaleByName(const std::filesystem::path& file) {
  const std::string stem = file.stem().string();
  for (const int scale : {2, 3}) {
    if (stem.ends_with("@" + std::to_string(scale) + "x")) return scale;
  }
  return std::nullopt;
}

}  // namespace

UIImage::UIImage(std::string path, std::filesystem::path filePath, CGSize pixels, CGFloat scale)
    : path_(std::move(path)), filePath_(std::move(filePath)), pixels_(pixels), scale_(scale) {
}

std::shared_ptr<const UIImage> UIImage::imageWithContentsOfFile(std::string_view path) {
  auto file = DeviceRoot::resolve(path);
  const auto named = scaleByName(file);
  if (!named) {
    // The densest twin the screen has use for, then the next, as UIKit looks for them.
    for (const int scale : {3, 2}) {
      if (UIScreen::mainScreen().scale() < scale) continue;
      auto twin = file.parent_path() / (file.stem().string() + "@" + std::to_string(scale) + "x" +
                                        file.extension().string());
      if (const auto pixels = pngPixelSize(twin)) {
        return std::make_shared<UIImage>(std::string(path), std::move(twin), *pixels, scale);
      }
    }
  }
  const auto pixels = pngPixelSize(file);
  if (!pixels) return nullptr;
  return std::make_shared<UIImage>(std::string(path), std::move(file), *pixels, named.value_or(1));
}

std::shared_ptr<const UIImage> UIImage::resizableImageWithCapInsets(UIEdgeInsets insets) const {
  auto copy = std::make_shared<UIImage>(*this);
  copy->capInsets_ = insets;
  return copy;
}

std::string UIImage::fileName() const {
  return std::filesystem::path(path_).filename().string();
}

CGSize UIImage::size() const {
  return CGSize{pixels_.width / scale_, pixels_.height / scale_};
}
