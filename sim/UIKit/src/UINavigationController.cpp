#include "UIKit/UINavigationController.h"

namespace {
const UIColor kBarColor{0.97, 0.97, 0.97, 1};
const UIColor kTintColor{0, 0.48, 1, 1};
constexpr CGFloat kBackWidth = 120;
}  // namespace

std::shared_ptr<UINavigationController> UINavigationController::make(
    std::shared_ptr<UIViewController> root) {
  std::shared_ptr<UINavigationController> made(new UINavigationController());
  const CGFloat width = made->view()->frame().size.width;
  made->bar_ = std::make_shared<UIView>(CGRectMake(0, 0, width, kStatusBarHeight + kBarHeight));
  made->bar_->setBackgroundColor(kBarColor);
  made->bar_->setAutoresizingMask(UIViewAutoresizingFlexibleWidth);
  made->title_ = std::make_shared<UILabel>(
      CGRectMake(kBackWidth, kStatusBarHeight, width - 2 * kBackWidth, kBarHeight));
  made->title_->setTextAlignment(NSTextAlignmentCenter);
  made->title_->setAutoresizingMask(UIViewAutoresizingFlexibleWidth);
  made->back_ = UIButton::buttonWithType(UIButtonTypeCustom);
  made->back_->setFrame(CGRectMake(0, kStatusBarHeight, kBackWidth, kBarHeight));
  made->backTitle_ = std::make_shared<UILabel>(CGRectMake(8, 0, kBackWidth - 8, kBarHeight));
  made->backTitle_->setTextColor(kTintColor);
  made->back_->addSubview(made->backTitle_);
  made->back_->addTarget(made, &UINavigationController::popBack, UIControlEventTouchUpInside);
  made->bar_->addSubview(made->title_);
  made->bar_->addSubview(made->back_);
  made->view()->addSubview(made->bar_);
  made->stack_.push_back(std::move(root));
  made->showTop();
  return made;
}

void UINavigationController::popBack() {
  [[maybe_unused]] const auto gone = popViewController();
}

void UINavigationController::pushViewController(std::shared_ptr<UIViewController> controller) {
  if (!controller) return;
  stack_.back()->view()->removeFromSuperview();
  stack_.push_back(std::move(controller));
  showTop();
}

std::shared_ptr<UIViewController> UINavigationController::popViewController() {
  if (stack_.size() < 2) return nullptr;
  auto gone = std::move(stack_.back());
  stack_.pop_back();
  gone->view()->removeFromSuperview();
  showTop();
  return gone;
}

// The top one's view below the bar, its title on the bar, and the way back to the one beneath.
void UINavigationController::showTop() {
  const CGSize size = view()->frame().size;
  const CGFloat top = kStatusBarHeight + kBarHeight;
  const auto& shown = stack_.back()->view();
  shown->setFrame(CGRectMake(0, top, size.width, size.height - top));
  view()->addSubview(shown);
  title_->setText(stack_.back()->title());
  back_->setHidden(stack_.size() < 2);
  backTitle_->setText(stack_.size() < 2 ? std::string()
                                        : "\u2039 " + stack_[stack_.size() - 2]->title());
  stack_.back()->viewDidLayoutSubviews();
}

void UINavigationController::viewDidLayoutSubviews() {
  showTop();
}
