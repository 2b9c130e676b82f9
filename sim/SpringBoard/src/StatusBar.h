#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "CoreFoundation/CFRunLoop.h"

class UIImageView;
class UILabel;
class UIView;
class UIWindow;
struct NSNotification;

// SpringBoard's status bar: its own window at the status bar's level, under any alert, with a
// bar across the top of the screen. The time at its left (a padlock in the middle while locked)
// (the host's, or one pinned for pictures that must come out the same every run); at its right a
// play glyph while media plays and a headphones or Bluetooth glyph while the route of what the
// volume buttons change (the ringer, or media while it plays) is one. It takes no touches. Its
// notifications and its minute timer hold it weakly: it needs no undoing when it goes.
class StatusBar : public std::enable_shared_from_this<StatusBar> {
 public:
  static std::shared_ptr<StatusBar> make();
  StatusBar(const StatusBar&) = delete;
  StatusBar& operator=(const StatusBar&) = delete;

  void setPinnedTime(std::optional<std::string> time);
  std::string time() const;
  // Locked, it shows a padlock in its middle in place of the time (the lock screen has its own
  // clock).
  void setLocked(bool locked);
  // Called after each change of the time shown (a new minute, a pin).
  void setOnTimeChange(std::function<void()> changed) { timeChanged_ = std::move(changed); }
  const std::shared_ptr<UIWindow>& window() const { return window_; }

 private:
  StatusBar();
  void observe();
  void update(const NSNotification&);
  void update();
  void tickAtTheNextMinute();

  std::shared_ptr<UIWindow> window_;
  std::shared_ptr<UILabel> time_;
  std::shared_ptr<UIImageView> play_;
  std::shared_ptr<UIImageView> route_;
  std::shared_ptr<UIImageView> padlock_;
  std::function<void()> timeChanged_;
  std::optional<std::string> pinned_;
  std::optional<CFRunLoop::TimerId> tick_;
};
