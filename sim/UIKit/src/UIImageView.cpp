#include "UIKit/UIImageView.h"

UIImageView::UIImageView(std::shared_ptr<const UIImage> image)
    : UIView(image ? CGRectMake(0, 0, image->size().width, image->size().height) : CGRect{}),
      image_(std::move(image)) {
  setUserInteractionEnabled(false);
}
