#pragma once

#include <chrono>
#include <functional>
#include <map>
#include <optional>
#include <vector>

// The main thread's run loop: file descriptors to watch and timers to fire. Everything it
// calls runs on the thread that runs it.
class CFRunLoop {
 public:
  using Clock = std::chrono::steady_clock;
  using TimerId = unsigned long;

  static CFRunLoop& main();

  // `onReadable` runs whenever `fd` has data. One source per descriptor.
  void addSource(int fd, std::function<void()> onReadable);
  void removeSource(int fd);

  TimerId addTimer(std::chrono::milliseconds delay, std::function<void()> fire);
  // Fires every `interval` for as long as `fire` answers true; its id stays the same.
  TimerId addRepeatingTimer(std::chrono::milliseconds interval, std::function<bool()> fire);
  void cancelTimer(TimerId timer);
  // When the first timer is due; nothing when none is set.
  std::optional<Clock::time_point> nextTimerDue() const;

  // Runs before the loop waits and before it returns, after what it handled (the moment a
  // framework commits what changed, as UIKit lays its views out then).
  void addBeforeWaitingObserver(std::function<void()> observer);

  // Waits up to `timeout` for sources and timers and handles them; with `returnAfterOne`
  // it comes back after the first one it handled. Answers how many it handled.
  int runFor(std::chrono::milliseconds timeout, bool returnAfterOne = false);
  // Handles what is ready now, without waiting.
  int runUntilIdle() { return runFor(std::chrono::milliseconds(0)); }

 private:
  struct Timer {
    Clock::time_point due;
    std::function<void()> fire;
  };
  void rearm(TimerId id, std::chrono::milliseconds interval, std::function<bool()> fire);
  int fireDueTimers();
  int pollSources(int timeoutMs);
  void beforeWaiting();

  std::map<int, std::function<void()>> sources_;
  std::map<TimerId, Timer> timers_;
  std::vector<std::function<void()>> observers_;
  TimerId nextTimer_ = 1;
};
