#include "screen/RemoteWindow.h"

#include "UIKit/UIScreen.h"

namespace {
RemoteWindow::AccessibilityListener& accessibilityListener() {
  static RemoteWindow::AccessibilityListener listener;
  return listener;
}
}  // namespace

void RemoteWindow::setAccessibilityListener(AccessibilityListener listener) {
  accessibilityListener() = std::move(listener);
}

void RemoteWindow::heardFromApp(const std::string& news) {
  if (accessibilityListener()) accessibilityListener()(news);
}

RemoteWindow::RemoteWindow(std::weak_ptr<Source> source) : source_(std::move(source)) {
  setAutoresizingMask(UIViewAutoresizingFlexibleWidth | UIViewAutoresizingFlexibleHeight);
}

// The window covers the screen from its corner: its points are the screen's.
void RemoteWindow::forward(Phase phase, CGPoint point) {
  last_ = point;
  if (const auto app = source()) app->touch(phase, point);
}

void RemoteWindow::touchesBegan(CGPoint point) {
  forward(Phase::Down, point);
}

void RemoteWindow::touchesMoved(CGPoint point) {
  forward(Phase::Move, point);
}

void RemoteWindow::touchesEnded(CGPoint point) {
  forward(Phase::Up, point);
}

void RemoteWindow::touchesCancelled() {
  forward(Phase::Cancel, last_);
}

std::shared_ptr<RemoteWindow> RemoteWindow::front() {
  const auto windows = UIScreen::mainScreen().windows();
  for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
    if (auto remote = std::dynamic_pointer_cast<RemoteWindow>(*it)) return remote;
  }
  return nullptr;
}

bool RemoteWindow::scrollAt(CGPoint screenPoint, CGPoint distance) {
  const auto windows = UIScreen::mainScreen().windows();
  for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
    const CGPoint origin = (*it)->frame().origin;
    if (!(*it)->hitTest(CGPoint{screenPoint.x - origin.x, screenPoint.y - origin.y})) continue;
    const auto remote = std::dynamic_pointer_cast<RemoteWindow>(*it);
    const auto app = remote ? remote->source() : nullptr;
    return app && app->scroll(screenPoint, distance);
  }
  return false;
}
