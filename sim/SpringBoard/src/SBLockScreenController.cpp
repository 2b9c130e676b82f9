#include "SBLockScreenController.h"

#include <ctime>
#include <string>

#include "SBHomeScreenOrientation.h"
#include "UIKit/UILabel.h"
#include "UIKit/UIScreen.h"

namespace {

constexpr CGFloat kClockTop = 40;  // under the status bar
constexpr CGFloat kClockHeight = 96;
constexpr CGFloat kDateHeight = 26;
constexpr CGFloat kHintFromBottom = 56;
constexpr CGSize kIndicator{134, 5};
constexpr CGFloat kIndicatorFromBottom = 8;
// A finger has to start this close to the bottom edge and travel this far up to unlock.
constexpr CGFloat kEdgeZone = 40;
constexpr CGFloat kUnlockTravel = 100;
// The date the pinned clock goes with: a pinned 9:41 is for pictures that come out the same
// every run, so the date under it is fixed too.
constexpr char kPinnedDate[] = "Tuesday, 9 January";

std::string today() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char weekday[16];
  char month[16];
  std::strftime(weekday, sizeof weekday, "%A", &local);
  std::strftime(month, sizeof month, "%B", &local);
  return std::string(weekday) + ", " + std::to_string(local.tm_mday) + " " + month;
}

std::shared_ptr<UILabel> centredLabel(CGFloat top, CGFloat height, CGFloat fontSize) {
  const CGFloat width = UIScreen::mainScreen().bounds().size.width;
  auto label = std::make_shared<UILabel>(CGRectMake(0, top, width, height));
  label->setTextAlignment(NSTextAlignmentCenter);
  label->setTextColor(UIColor::whiteColor());
  label->setFont(UIFont::systemFontOfSize(fontSize));
  label->setAutoresizingMask(UIViewAutoresizingFlexibleWidth);
  return label;
}

// The lock screen's own view: it takes a finger drawn up from the bottom edge.
class LockScreenView : public UIView {
 public:
  LockScreenView(CGRect frame, bool swipeUnlocks, std::function<void()> unlock)
      : UIView(frame), swipeUnlocks_(swipeUnlocks), unlock_(std::move(unlock)) {}

  void touchesBegan(CGPoint point) override {
    start_ =
        point.y >= bounds().size.height - kEdgeZone ? std::optional<CGPoint>(point) : std::nullopt;
  }
  void touchesEnded(CGPoint point) override {
    const bool drawnUp = start_ && start_->y - point.y >= kUnlockTravel;
    start_.reset();
    if (swipeUnlocks_ && drawnUp) unlock_();
  }
  void touchesCancelled() override { start_.reset(); }

 private:
  bool swipeUnlocks_;
  std::function<void()> unlock_;
  std::optional<CGPoint> start_;
};

template <const char* kClass>
class NamedWindow : public UIWindow {
 public:
  const char* className() const override { return kClass; }
};

std::shared_ptr<UIWindow> makeDarkWindow() {
  auto dark = std::make_shared<NamedWindow<SBLockScreenController::kDarkWindowClass>>();
  dark->setWindowLevel(SBLockScreenController::kDarkLevel);
  dark->setBackgroundColor(UIColor::blackColor());
  return dark;
}

std::shared_ptr<UIView> homeIndicator(CGRect bounds) {
  auto bar = std::make_shared<UIView>(
      CGRectMake((bounds.size.width - kIndicator.width) / 2,
                 bounds.size.height - kIndicatorFromBottom - kIndicator.height, kIndicator.width,
                 kIndicator.height));
  bar->setBackgroundColor(UIColor::whiteColor());
  bar->layer().setCornerRadius(kIndicator.height / 2);
  bar->setUserInteractionEnabled(false);
  bar->setAutoresizingMask(UIViewAutoresizingFlexibleLeftMargin |
                           UIViewAutoresizingFlexibleRightMargin |
                           UIViewAutoresizingFlexibleTopMargin);
  return bar;
}

}  // namespace

SBLockScreenController::SBLockScreenController(bool homeButton, std::function<void()> unlock)
    : window_(std::make_shared<NamedWindow<kWindowClass>>()), dark_(makeDarkWindow()) {
  window_->setWindowLevel(kWindowLevel);
  const CGRect bounds = window_->bounds();
  auto content = std::make_shared<LockScreenView>(bounds, !homeButton, std::move(unlock));
  content->setAutoresizingMask(UIViewAutoresizingFlexibleWidth | UIViewAutoresizingFlexibleHeight);
  const CGFloat top = UIScreen::mainScreen().statusBarHeight() + kClockTop;
  time_ = centredLabel(top, kClockHeight, 84);
  date_ = centredLabel(top + kClockHeight, kDateHeight, 20);
  content->addSubview(time_);
  content->addSubview(date_);
  if (homeButton) {
    auto hint = centredLabel(bounds.size.height - kHintFromBottom, 24, 17);
    hint->setText("Press home to unlock");
    hint->setAutoresizingMask(UIViewAutoresizingFlexibleWidth |
                              UIViewAutoresizingFlexibleTopMargin);
    content->addSubview(hint);
  } else {
    content->addSubview(homeIndicator(bounds));
  }
  window_->addSubview(content);
  // It stands as the home screen does.
  window_->setRootViewController(
      std::make_shared<SBHomeScreenOrientation>(SBHomeScreenOrientation::Window::HomeScreen));
}

void SBLockScreenController::show(const std::string& time, bool pinned) {
  time_->setText(time);
  date_->setText(pinned ? kPinnedDate : today());
  window_->setHidden(false);
  // A hidden window does not turn: it catches up with the device now.
  UIViewController::attemptRotationToDeviceOrientation();
}

void SBLockScreenController::hide() {
  window_->setHidden(true);
}
