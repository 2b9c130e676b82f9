#include "UIKit/UIAlertController.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "Foundation/NSLog.h"
#include "UIKit/UILabel.h"
#include "UIKit/UIScreen.h"

namespace {

const UIColor kDimColor{0, 0, 0, 0.4};
const UIColor kBoxColor{0.97, 0.97, 0.97, 1};
const UIColor kLineColor{0.8, 0.8, 0.82, 1};
constexpr UIColor kDestructiveColor = UIColor::systemRedColor();
constexpr CGFloat kPadding = 20;
constexpr CGFloat kRadius = 13;
constexpr CGFloat kLine = 0.5;

std::shared_ptr<UILabel> wrapped(const std::string& text, const UIFont& font) {
  auto label = std::make_shared<UILabel>();
  label->setText(text);
  label->setFont(font);
  label->setNumberOfLines(0);
  label->setTextAlignment(NSTextAlignmentCenter);
  return label;
}

std::shared_ptr<UIView> line(CGRect frame) {
  auto view = std::make_shared<UIView>(frame);
  view->setBackgroundColor(kLineColor);
  view->setUserInteractionEnabled(false);
  return view;
}

}  // namespace

std::shared_ptr<UIAlertController> UIAlertController::alertControllerWithTitle(
    std::string title, std::string message, UIAlertControllerStyle) {
  auto alert = std::shared_ptr<UIAlertController>(new UIAlertController());
  alert->setTitle(std::move(title));
  alert->message_ = std::move(message);
  alert->view()->setBackgroundColor(kDimColor);
  alert->view()->setAccessibilityViewIsModal(true);
  return alert;
}

void UIAlertController::addAction(std::shared_ptr<UIAlertAction> action) {
  if (!action) return;
  const auto isCancel = [](const auto& each) { return each->style() == UIAlertActionStyleCancel; };
  if (isCancel(action) && std::any_of(actions_.begin(), actions_.end(), isCancel)) {
    // The platform raises here; an alert with two ways to cancel is never shown.
    NSLog(
        "UIAlertController can only have one action with a style of "
        "UIAlertActionStyleCancel: " +
        action->title() + " refused");
    return;
  }
  actions_.push_back(std::move(action));
  build();
}

// Where each action's button stands: the Cancel one on the left of two, and at the bottom of
// three or more, whatever order they were added in; the others in their order.
std::vector<std::size_t> UIAlertController::buttonOrder() const {
  std::vector<std::size_t> order;
  std::optional<std::size_t> cancel;
  for (std::size_t i = 0; i < actions_.size(); ++i) {
    if (actions_[i]->style() == UIAlertActionStyleCancel) {
      cancel = i;
    } else {
      order.push_back(i);
    }
  }
  if (cancel) order.insert(actions_.size() == 2 ? order.begin() : order.end(), *cancel);
  return order;
}

// Title and message wrapped to the box's width, then the buttons under a hairline.
void UIAlertController::build() {
  if (box_) box_->removeFromSuperview();
  const CGFloat inner = kWidth - 2 * kPadding;
  auto title = wrapped(this->title(), UIFont::boldSystemFontOfSize(17));
  auto message = wrapped(message_, UIFont::systemFontOfSize(13));
  const CGFloat titleHeight = title->heightForWidth(inner);
  const CGFloat messageHeight = message_.empty() ? 0 : message->heightForWidth(inner);
  title->setFrame(CGRectMake(kPadding, kPadding, inner, titleHeight));
  message->setFrame(CGRectMake(kPadding, kPadding + titleHeight + 4, inner, messageHeight));
  const CGFloat top = kPadding + titleHeight + 4 + messageHeight + kPadding;
  const bool sideBySide = actions_.size() == 2;
  const std::size_t rows = sideBySide ? 1 : actions_.size();
  box_ = std::make_shared<UIView>(
      CGRectMake(0, 0, kWidth, top + kButtonHeight * static_cast<CGFloat>(rows)));
  box_->setBackgroundColor(kBoxColor);
  box_->layer().setCornerRadius(kRadius);
  box_->addSubview(title);
  box_->addSubview(message);
  const auto order = buttonOrder();
  for (std::size_t i = 0; i < order.size(); ++i) {
    const auto& action = *actions_[order[i]];
    const CGFloat width = sideBySide ? kWidth / 2 : kWidth;
    const CGFloat x = sideBySide ? width * static_cast<CGFloat>(i) : 0;
    const CGFloat y = top + (sideBySide ? 0 : kButtonHeight * static_cast<CGFloat>(i));
    auto button = UIButton::buttonWithType(UIButtonTypeSystem);
    button->setFrame(CGRectMake(x, y, width, kButtonHeight));
    button->setTag(static_cast<NSInteger>(order[i]));
    button->setTitle(action.title());
    if (action.style() == UIAlertActionStyleDestructive) button->setTitleColor(kDestructiveColor);
    if (action.style() == UIAlertActionStyleCancel) {
      button->titleLabel()->setFont(UIFont::boldSystemFontOfSize(17));
    }
    button->addTarget(sharedAs<UIAlertController>(), &UIAlertController::tapped,
                      UIControlEventTouchUpInside);
    box_->addSubview(line(CGRectMake(x, y, width, kLine)));
    if (sideBySide && i == 1) box_->addSubview(line(CGRectMake(x, y, kLine, kButtonHeight)));
    box_->addSubview(button);
  }
  view()->addSubview(box_);
  viewDidLayoutSubviews();
}

void UIAlertController::viewDidLayoutSubviews() {
  if (!box_) return;
  const CGSize size = view()->frame().size;
  const CGSize box = box_->frame().size;
  box_->setFrame(CGRectMake(std::round((size.width - box.width) / 2),
                            std::round((size.height - box.height) / 2), box.width, box.height));
}

bool UIAlertController::accessibilityPerformEscape() {
  const auto cancel = std::find_if(actions_.begin(), actions_.end(), [](const auto& each) {
    return each->style() == UIAlertActionStyleCancel;
  });
  if (cancel == actions_.end()) return false;
  choose(static_cast<std::size_t>(cancel - actions_.begin()));
  return true;
}

void UIAlertController::tapped(UIButton& button) {
  choose(static_cast<std::size_t>(button.tag()));
}

void UIAlertController::choose(std::size_t index) {
  if (index >= actions_.size()) return;
  const auto action = actions_[index];
  const auto self = shared_from_this();  // alive until the handler is done
  if (const auto presenter = presentingViewController()) presenter->dismissViewController();
  if (action->handler()) action->handler()();
}
