#include "UIKit/UIScreen.h"

#include "SimDevice/ProcessRestart.h"

#include <algorithm>

#include "CoreFoundation/CFRunLoop.h"
#include "UIKit/UIApplication.h"
#include "UIKit/UIWindow.h"

UIScreen& UIScreen::mainScreen() {
  static UIScreen& screen = []() -> UIScreen& {
    static UIScreen made;
    // UIKit commits its layout each time the main run loop is about to wait.
    CFRunLoop::main().addBeforeWaitingObserver([] { UIScreen::mainScreen().layoutWindows(); });
    // The screen and its turn are the hardware's; the windows on it were the process's.
    ProcessRestart::onRestart([] { made.entries_.clear(); });
    return made;
  }();
  return screen;
}

void UIScreen::layoutWindows() {
  std::erase_if(entries_, [](const Entry& e) { return e.window.expired(); });
  const auto live = entries_;
  for (const auto& entry : live) {
    if (const auto window = entry.window.lock()) window->layoutIfNeeded();
  }
}

CGRect UIScreen::bounds() const {
  const bool landscape = orientation_ == UIInterfaceOrientationLandscapeLeft ||
                         orientation_ == UIInterfaceOrientationLandscapeRight;
  return landscape ? CGRectMake(0, 0, portraitSize_.height, portraitSize_.width)
                   : CGRectMake(0, 0, portraitSize_.width, portraitSize_.height);
}

void UIScreen::setPortraitSize(CGSize size) {
  portraitSize_ = size;
}

void UIScreen::setSafeAreaInsets(UIEdgeInsets portrait, UIEdgeInsets landscape) {
  portraitSafeArea_ = portrait;
  landscapeSafeArea_ = landscape;
}

UIEdgeInsets UIScreen::safeAreaInsets(UIInterfaceOrientation orientation) const {
  switch (orientation) {
    case UIInterfaceOrientationPortrait:
      return portraitSafeArea_;
    case UIInterfaceOrientationPortraitUpsideDown:
      return UIEdgeInsets{portraitSafeArea_.bottom, portraitSafeArea_.right, portraitSafeArea_.top,
                          portraitSafeArea_.left};
    case UIInterfaceOrientationLandscapeLeft:
    case UIInterfaceOrientationLandscapeRight:
      return landscapeSafeArea_;
  }
  return portraitSafeArea_;
}

void UIScreen::setOrientation(UIInterfaceOrientation orientation) {
  orientation_ = orientation;
  std::erase_if(entries_, [](const Entry& e) { return e.window.expired(); });
  const auto live = entries_;
  for (const auto& entry : live) {
    const auto window = entry.window.lock();
    if (!window) continue;
    if (!turns(*window, orientation)) continue;  // stays as it was
    window->setInterfaceOrientation(orientation);
    window->setFrame(bounds());
  }
  // The turn lays the windows out as it goes, as its animation does.
  layoutWindows();
}

void UIScreen::attemptRotation() {
  std::erase_if(entries_, [](const Entry& e) { return e.window.expired(); });
  const auto live = entries_;
  for (const auto& entry : live) {
    const auto window = entry.window.lock();
    if (!window) continue;
    if (turns(*window, orientation_)) {
      if (window->interfaceOrientation() == orientation_) continue;
      window->setInterfaceOrientation(orientation_);
      window->setFrame(bounds());
    } else if (!turns(*window, window->interfaceOrientation())) {
      window->setInterfaceOrientation(UIInterfaceOrientationPortrait);
      window->setFrame(CGRectMake(0, 0, portraitSize_.width, portraitSize_.height));
    }
  }
  layoutWindows();
}

bool UIScreen::turns(const UIWindow& window, UIInterfaceOrientation orientation) {
  const auto& controller = window.rootViewController();
  const bool appAllows =
      (UIApplication::sharedApplication().supportedInterfaceOrientationsForWindow(window) &
       (1ul << orientation)) != 0;
  return appAllows && (!controller || controller->allowsRotationTo(orientation));
}

void UIScreen::windowWasShown(const std::shared_ptr<UIWindow>& window) {
  // A window shown while the device is turned a way it does not take stands upright.
  if (window->interfaceOrientation() != UIInterfaceOrientationPortrait &&
      !turns(*window, window->interfaceOrientation())) {
    window->setInterfaceOrientation(UIInterfaceOrientationPortrait);
    window->setFrame(CGRectMake(0, 0, portraitSize_.width, portraitSize_.height));
  }
  std::erase_if(entries_, [&](const Entry& e) {
    const auto held = e.window.lock();
    return !held || held == window;
  });
  entries_.push_back(Entry{window, nextOrder_++});
}

std::vector<std::shared_ptr<UIWindow>> UIScreen::windows() const {
  std::vector<std::pair<unsigned long, std::shared_ptr<UIWindow>>> visible;
  for (const auto& entry : entries_) {
    auto window = entry.window.lock();
    if (window && !window->isHidden()) visible.emplace_back(entry.order, std::move(window));
  }
  std::stable_sort(visible.begin(), visible.end(), [](const auto& a, const auto& b) {
    if (a.second->windowLevel() != b.second->windowLevel()) {
      return a.second->windowLevel() < b.second->windowLevel();
    }
    return a.first < b.first;
  });
  std::vector<std::shared_ptr<UIWindow>> ordered;
  for (auto& [order, window] : visible) ordered.push_back(std::move(window));
  return ordered;
}
