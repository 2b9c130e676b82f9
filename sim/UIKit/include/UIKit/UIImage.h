#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "CoreGraphics/CGGeometry.h"
#include "UIKit/UIGeometry.h"

// An image file. Loading opens the file and checks that it is a PNG with a size; its pixels
// are decoded only when something draws it. Images are shared and never change: a resizable
// image is a new image of the same file.
class UIImage {
 public:
  // `path` is a device path. "name.png" is taken from the densest of "name@3x.png" and
  // "name@2x.png" beside it that the screen's scale reaches and that is a PNG, with that scale,
  // else from itself; a file named "...@2x.png" or "...@3x.png" has that scale in any case. A
  // missing or unreadable file, or one that is not a PNG: null.
  static std::shared_ptr<const UIImage> imageWithContentsOfFile(std::string_view path);

  // The same image, stretched between the caps when drawn larger than it is.
  std::shared_ptr<const UIImage> resizableImageWithCapInsets(UIEdgeInsets insets) const;

  const std::string& path() const { return path_; }  // the device path it was asked for
  const std::filesystem::path& filePath() const { return filePath_; }  // the file read, on the host
  std::string fileName() const;                                        // of the path asked for
  CGSize size() const;                      // in points: pixels divided by the scale
  CGFloat scale() const { return scale_; }  // 3 for an "@3x" file, 2 for "@2x", else 1
  const std::optional<UIEdgeInsets>& capInsets() const { return capInsets_; }

  UIImage(std::string path, std::filesystem::path filePath, CGSize pixels, CGFloat scale);

 private:
  std::string path_;
  std::filesystem::path filePath_;
  CGSize pixels_;
  CGFloat scale_;
  std::optional<UIEdgeInsets> capInsets_;
};
