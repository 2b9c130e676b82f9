#pragma once

#include <memory>

#include "UIKit/UIImage.h"
#include "UIKit/UIView.h"

// A view that shows an image stretched over its bounds. As UIKit's, it takes no touches until
// told to.
class UIImageView : public UIView {
 public:
  // The image's size at the origin.
  explicit UIImageView(std::shared_ptr<const UIImage> image);
  const char* className() const override { return "UIImageView"; }

  const std::shared_ptr<const UIImage>& image() const { return image_; }
  void setImage(std::shared_ptr<const UIImage> image) { image_ = std::move(image); }

 private:
  std::shared_ptr<const UIImage> image_;
};
