#include "StatusBar.h"

#include <ctime>

#include "Celestial/AVSystemController.h"
#include "Foundation/NSNotificationCenter.h"
#include "SBHomeScreenOrientation.h"
#include "SpringBoard/StatusBarImages.h"
#include "SpringBoard/VolumeControl.h"
#include "UIKit/UIApplication.h"
#include "UIKit/UIImageView.h"
#include "UIKit/UILabel.h"
#include "UIKit/UIScreen.h"
#include "UIKit/UIWindow.h"

namespace {

constexpr CGFloat kEdge = 16;  // from the screen's sides to the first item
constexpr CGFloat kGap = 6;    // between two glyphs

std::shared_ptr<UIImageView> glyph(const char* file) {
  auto view = std::make_shared<UIImageView>(
      UIImage::imageWithContentsOfFile(std::string(status_bar_images::kFolder) + file));
  view->setFrame(
      CGRectMake(0, (UIScreen::mainScreen().statusBarHeight() - status_bar_images::kHeight) / 2,
                 status_bar_images::kWidth, status_bar_images::kHeight));
  view->setAutoresizingMask(UIViewAutoresizingFlexibleLeftMargin);
  return view;
}

// Where the sound the buttons change goes now.
std::string activeRoute() {
  return AVSystemController::sharedAVSystemController()
      ->routeForCategory(VolumeControl::sharedVolumeControl().activeCategory())
      .value_or("");
}

}  // namespace

std::shared_ptr<StatusBar> StatusBar::make() {
  auto bar = std::shared_ptr<StatusBar>(new StatusBar());
  bar->observe();
  bar->update();
  return bar;
}

StatusBar::StatusBar()
    : window_(std::make_shared<UIWindow>()),
      time_(std::make_shared<UILabel>(
          CGRectMake(kEdge, 0, 80, UIScreen::mainScreen().statusBarHeight()))),
      play_(glyph(status_bar_images::kPlay)),
      route_(glyph(status_bar_images::kHeadphones)),
      padlock_(glyph(status_bar_images::kPadlock)) {
  window_->setWindowLevel(UIWindowLevelStatusBar);
  window_->setUserInteractionEnabled(false);
  const CGFloat width = UIScreen::mainScreen().bounds().size.width;
  auto bar =
      std::make_shared<UIView>(CGRectMake(0, 0, width, UIScreen::mainScreen().statusBarHeight()));
  bar->setAutoresizingMask(UIViewAutoresizingFlexibleWidth);
  time_->setTextColor(UIColor::whiteColor());
  time_->setFont(UIFont::systemFontOfSize(14));
  bar->addSubview(time_);
  bar->addSubview(play_);
  bar->addSubview(route_);
  padlock_->setFrame(CGRectMake((width - status_bar_images::kWidth) / 2, padlock_->frame().origin.y,
                                status_bar_images::kWidth, status_bar_images::kHeight));
  padlock_->setAutoresizingMask(UIViewAutoresizingFlexibleLeftMargin |
                                UIViewAutoresizingFlexibleRightMargin);
  padlock_->setHidden(true);
  bar->addSubview(padlock_);
  window_->addSubview(bar);
  // It stands as the home screen does, or as the app in front may.
  window_->setRootViewController(
      std::make_shared<SBHomeScreenOrientation>(SBHomeScreenOrientation::Window::StatusBar));
  window_->setHidden(false);
}

void StatusBar::observe() {
  auto& center = NSNotificationCenter::defaultCenter();
  const auto self = shared_from_this();
  center.addObserver(self, &StatusBar::update,
                     AVSystemController_ActiveAudioRouteDidChangeNotification, nullptr);
  center.addObserver(self, &StatusBar::update, kMediaPlayingDidChangeNotification, nullptr);
  center.addObserver(self, &StatusBar::update, UIApplicationStatusBarStyleDidChangeNotification,
                     nullptr);
}

void StatusBar::setPinnedTime(std::optional<std::string> time) {
  pinned_ = std::move(time);
  update();
}

std::string StatusBar::time() const {
  if (pinned_) return *pinned_;
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char text[8];
  std::strftime(text, sizeof text, "%H:%M", &local);
  return text;
}

void StatusBar::setLocked(bool locked) {
  padlock_->setHidden(!locked);
  time_->setHidden(locked);
}

void StatusBar::update(const NSNotification&) {
  update();
}

// The glyphs line up from the right edge: the route's outermost, then the play glyph.
void StatusBar::update() {
  time_->setText(time());
  const bool dark = UIApplication::sharedApplication().statusBarStyle() == UIStatusBarStyleDefault;
  time_->setTextColor(dark ? UIColor::blackColor() : UIColor::whiteColor());
  // The bar's window stands as the app in front lets it, which may not be as the screen does.
  const CGFloat width = window_->bounds().size.width;
  CGFloat right = width - kEdge;
  const std::string route = activeRoute();
  const bool bluetooth = route.starts_with("Bluetooth");
  const bool wired = route.starts_with("Headphone");
  route_->setImage(UIImage::imageWithContentsOfFile(
      std::string(status_bar_images::kFolder) +
      (bluetooth ? status_bar_images::kBluetooth : status_bar_images::kHeadphones)));
  route_->setHidden(!bluetooth && !wired);
  for (const auto& item : {route_, play_}) {
    if (item == play_) item->setHidden(!VolumeControl::sharedVolumeControl().isMediaPlaying());
    if (item->isHidden()) continue;
    const CGRect frame = item->frame();
    item->setFrame(
        CGRectMake(right - frame.size.width, frame.origin.y, frame.size.width, frame.size.height));
    right -= frame.size.width + kGap;
  }
  tickAtTheNextMinute();
  if (timeChanged_) timeChanged_();
}

void StatusBar::tickAtTheNextMinute() {
  if (tick_) CFRunLoop::main().cancelTimer(*tick_);
  tick_.reset();
  if (pinned_) return;
  const auto now = std::chrono::system_clock::now();
  const auto next = std::chrono::floor<std::chrono::minutes>(now) + std::chrono::minutes(1);
  // A little past the minute: the run loop's clock is not the wall clock, and a tick a moment
  // early would read the minute that is ending.
  constexpr std::chrono::milliseconds kPastTheMinute{20};
  const std::weak_ptr<StatusBar> weak = weak_from_this();
  tick_ = CFRunLoop::main().addTimer(
      std::chrono::ceil<std::chrono::milliseconds>(next - now) + kPastTheMinute, [weak] {
        if (const auto bar = weak.lock()) {
          bar->tick_.reset();
          bar->update();
        }
      });
}
