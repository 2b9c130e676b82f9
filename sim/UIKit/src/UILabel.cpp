#include "UIKit/UILabel.h"

UILabel::UILabel(CGRect frame) : UIView(frame) {
  setUserInteractionEnabled(false);
}
