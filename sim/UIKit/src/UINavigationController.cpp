#include "UIKit/UINavigationController.h"

#include <cmath>

#include "UIKit/UIApplication.h"
#include "UIKit/UIScrollView.h"

namespace {

CGFloat statusBarHeight() {
  return UIApplication::sharedApplication().statusBarFrame().size.height;
}
const UIColor kBarColor{0.97, 0.97, 0.97, 1};
constexpr UIColor kTintColor = UIColor::systemBlueColor();
constexpr CGFloat kBackWidth = 120;
constexpr CGFloat kRightWidth = 70;
constexpr CGFloat kTitleInset = 88;  // from either side: the room a back title usually takes
}  // namespace

std::shared_ptr<UINavigationController> UINavigationController::make(
    std::shared_ptr<UIViewController> root) {
  std::shared_ptr<UINavigationController> made(new UINavigationController());
  const CGFloat width = made->view()->frame().size.width;
  made->view()->setAutoresizingMask(UIViewAutoresizingFlexibleWidth |
                                    UIViewAutoresizingFlexibleHeight);
  made->bar_ = std::make_shared<UIView>(CGRectMake(0, 0, width, statusBarHeight() + kBarHeight));
  made->bar_->setBackgroundColor(kBarColor);
  made->bar_->setAutoresizingMask(UIViewAutoresizingFlexibleWidth);
  made->title_ = std::make_shared<UILabel>(
      CGRectMake(kTitleInset, statusBarHeight(), width - 2 * kTitleInset, kBarHeight));
  made->title_->setTextAlignment(NSTextAlignmentCenter);
  made->title_->setAutoresizingMask(UIViewAutoresizingFlexibleWidth);
  made->title_->setAccessibilityTraits(UIAccessibilityTraitHeader);
  made->back_ = UIButton::buttonWithType(UIButtonTypeCustom);
  made->back_->setFrame(CGRectMake(0, statusBarHeight(), kBackWidth, kBarHeight));
  made->backTitle_ = std::make_shared<UILabel>(CGRectMake(8, 0, kBackWidth - 8, kBarHeight));
  made->backTitle_->setTextColor(kTintColor);
  made->back_->addSubview(made->backTitle_);
  made->back_->addTarget(made, &UINavigationController::popBack, UIControlEventTouchUpInside);
  made->right_ = UIButton::buttonWithType(UIButtonTypeSystem);
  made->right_->setFrame(
      CGRectMake(width - kRightWidth, statusBarHeight(), kRightWidth, kBarHeight));
  made->right_->setAutoresizingMask(UIViewAutoresizingFlexibleLeftMargin);
  made->right_->addTarget(made, &UINavigationController::tapRight, UIControlEventTouchUpInside);
  made->bar_->addSubview(made->title_);
  made->bar_->addSubview(made->back_);
  made->bar_->addSubview(made->right_);
  made->view()->addSubview(made->bar_);
  root->setNavigationController(made);
  made->stack_.push_back(std::move(root));
  made->showTop();
  return made;
}

void UINavigationController::popBack() {
  [[maybe_unused]] const auto gone = popViewController();
}

void UINavigationController::pushViewController(std::shared_ptr<UIViewController> controller) {
  if (!controller) return;
  stack_.back()->viewWillDisappear();
  stack_.back()->view()->removeFromSuperview();
  controller->setNavigationController(sharedAs<UINavigationController>());
  stack_.push_back(std::move(controller));
  showTop();
  // VoiceOver starts a new page at its title.
  UIAccessibilityPostNotification(UIAccessibilityScreenChangedNotification, title_);
}

std::shared_ptr<UIViewController> UINavigationController::popViewController() {
  if (stack_.size() < 2) return nullptr;
  stack_.back()->viewWillDisappear();
  auto gone = std::move(stack_.back());
  stack_.pop_back();
  gone->view()->removeFromSuperview();
  gone->setNavigationController({});
  showTop();
  UIAccessibilityPostNotification(UIAccessibilityScreenChangedNotification, nullptr);
  return gone;
}

// The escape gesture goes back a page, as the back button does.
bool UINavigationController::accessibilityPerformEscape() {
  return popViewController() != nullptr;
}

// The top one's view below the bar, its title on the bar, and the way back to the one beneath.
void UINavigationController::showTop() {
  const CGSize size = view()->frame().size;
  const CGFloat top = statusBarHeight() + kBarHeight;
  stack_.back()->viewWillAppear();
  const auto& shown = stack_.back()->view();
  if (const auto scroller = std::dynamic_pointer_cast<UIScrollView>(shown)) {
    // iOS 7 and later: a scrolling page runs under the bar, its content inset by the bar's
    // height, and starts scrolled to its top.
    const bool atTop = scroller->contentOffset().y <= scroller->minimumContentOffset().y;
    shown->setFrame(CGRectMake(0, 0, size.width, size.height));
    scroller->setContentInset(UIEdgeInsetsMake(top, 0, 0, 0));
    if (atTop) scroller->setContentOffset(scroller->minimumContentOffset());
  } else {
    shown->setFrame(CGRectMake(0, top, size.width, size.height - top));
  }
  view()->addSubview(shown);
  view()->addSubview(bar_);  // over the page
  // VoiceOver reads the bar first, though a scrolling page starts under it.
  view()->setAccessibilityElements({bar_, shown});
  updateBar();
  stack_.back()->viewDidLayoutSubviews();
}

void UINavigationController::updateBar() {
  title_->setText(stack_.back()->title());
  back_->setHidden(stack_.size() < 2);
  backTitle_->setText(stack_.size() < 2 ? std::string() : backTitle());
  // Read for the page it goes back to, whatever the bar had room to show.
  back_->setAccessibilityLabel(stack_.size() < 2 ? std::string()
                                                 : "Back to " + stack_[stack_.size() - 2]->title());
  const auto& item = stack_.back()->rightBarButtonItem();
  right_->setHidden(!item);
  right_->setTitle(item ? item->title : std::string());
  placeBarElements();
}

// VoiceOver finds the title and the back button where their text is, as UIKit sizes them,
// not across the room the bar keeps for them.
void UINavigationController::placeBarElements() {
  const auto& measure = UILabel::systemMeasure();
  const auto widthOf = [&](const UILabel& label) {
    return measure ? measure(label.text().value_or(""), label.font()) : 0;
  };
  const CGRect title = title_->frame();
  // In whole points, as UIKit lays a bar out.
  const CGFloat titleWidth = std::min(title.size.width, std::ceil(widthOf(*title_)));
  title_->setAccessibilityFrameInContainerSpace(
      CGRectMake(std::floor(title.origin.x + (title.size.width - titleWidth) / 2), title.origin.y,
                 titleWidth, title.size.height));
  const CGRect back = back_->frame();
  const CGFloat backWidth =
      std::clamp<CGFloat>(std::ceil(backTitle_->frame().origin.x * 2 + widthOf(*backTitle_)),
                          kBarHeight, back.size.width);
  back_->setAccessibilityFrameInContainerSpace(
      CGRectMake(back.origin.x, back.origin.y, backWidth, back.size.height));
}

// The page below's title, as UIKit shows it: "Back" in its place when it would reach the title
// centred in the bar, and the arrow alone when even that would.
std::string UINavigationController::backTitle() const {
  const auto& measure = UILabel::systemMeasure();
  const std::string arrow = "\u2039 ";
  const CGFloat titleWidth = measure ? measure(title_->text().value_or(""), title_->font()) : 0;
  const CGFloat room = std::min(kBackWidth, (bar_->frame().size.width - titleWidth) / 2) - 8;
  for (const std::string& candidate :
       {arrow + stack_[stack_.size() - 2]->title(), arrow + "Back"}) {
    if (!measure || measure(candidate, backTitle_->font()) <= room) return candidate;
  }
  return "\u2039";
}

void UINavigationController::tapRight() {
  // A copy: the action may set the item anew.
  const auto item = stack_.back()->rightBarButtonItem();
  if (item && item->action) item->action();
}

void UINavigationController::viewDidLayoutSubviews() {
  showTop();
}
