#include "UIKit/UIAlertAction.h"

std::shared_ptr<UIAlertAction> UIAlertAction::actionWithTitle(std::string title,
                                                              UIAlertActionStyle style,
                                                              Handler handler) {
  auto action = std::shared_ptr<UIAlertAction>(new UIAlertAction());
  action->title_ = std::move(title);
  action->style_ = style;
  action->handler_ = std::move(handler);
  return action;
}
