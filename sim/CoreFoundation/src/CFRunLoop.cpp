#include "CoreFoundation/CFRunLoop.h"

#include <poll.h>

#include <algorithm>
#include <cerrno>

#include "SimDevice/ProcessRestart.h"

CFRunLoop& CFRunLoop::main() {
  static CFRunLoop loop;
  // The process's timers go with it; the sources (the host's own descriptors) stay.
  static const bool forgotten = (ProcessRestart::onRestart([] { loop.timers_.clear(); }), true);
  (void)forgotten;
  return loop;
}

void CFRunLoop::addSource(int fd, std::function<void()> onReadable) {
  sources_[fd] = std::move(onReadable);
}

void CFRunLoop::removeSource(int fd) {
  sources_.erase(fd);
}

CFRunLoop::TimerId CFRunLoop::addTimer(std::chrono::milliseconds delay,
                                       std::function<void()> fire) {
  const TimerId id = nextTimer_++;
  timers_.emplace(id, Timer{Clock::now() + delay, std::move(fire)});
  return id;
}

CFRunLoop::TimerId CFRunLoop::addRepeatingTimer(std::chrono::milliseconds interval,
                                                std::function<bool()> fire) {
  const TimerId id = nextTimer_++;
  rearm(id, interval, std::move(fire));
  return id;
}

void CFRunLoop::rearm(TimerId id, std::chrono::milliseconds interval, std::function<bool()> fire) {
  timers_.emplace(id, Timer{Clock::now() + interval, [this, id, interval, fire] {
                              if (fire()) rearm(id, interval, fire);
                            }});
}

void CFRunLoop::cancelTimer(TimerId timer) {
  timers_.erase(timer);
}

std::optional<CFRunLoop::Clock::time_point> CFRunLoop::nextTimerDue() const {
  std::optional<Clock::time_point> first;
  for (const auto& [id, timer] : timers_) {
    if (!first || timer.due < *first) first = timer.due;
  }
  return first;
}

int CFRunLoop::fireDueTimers() {
  int fired = 0;
  const auto now = Clock::now();
  for (auto it = timers_.begin(); it != timers_.end();) {
    if (it->second.due > now) {
      ++it;
      continue;
    }
    auto fire = std::move(it->second.fire);
    it = timers_.erase(it);
    fire();  // may add or cancel timers: restart the walk afterwards
    ++fired;
    it = timers_.begin();
  }
  return fired;
}

int CFRunLoop::pollSources(int timeoutMs) {
  std::vector<pollfd> fds;
  for (const auto& [fd, handler] : sources_) fds.push_back(pollfd{fd, POLLIN, 0});
  const int ready = ::poll(fds.data(), fds.size(), timeoutMs);
  if (ready <= 0) return 0;
  int handled = 0;
  for (const auto& entry : fds) {
    if ((entry.revents & POLLIN) == 0) continue;
    const auto source = sources_.find(entry.fd);
    if (source == sources_.end()) continue;  // removed by an earlier handler
    const auto handler = source->second;
    handler();
    ++handled;
  }
  return handled;
}

void CFRunLoop::addBeforeWaitingObserver(std::function<void()> observer) {
  observers_.push_back(std::move(observer));
}

void CFRunLoop::beforeWaiting() {
  const auto observers = observers_;
  for (const auto& observer : observers) observer();
}

int CFRunLoop::runFor(std::chrono::milliseconds timeout, bool returnAfterOne) {
  const auto deadline = Clock::now() + timeout;
  int handled = 0;
  for (;;) {
    handled += fireDueTimers();
    beforeWaiting();
    if (handled > 0 && returnAfterOne) return handled;
    auto wait = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    for (const auto& [id, timer] : timers_) {
      wait = std::min(wait, std::chrono::duration_cast<std::chrono::milliseconds>(
                                timer.due - Clock::now() + std::chrono::milliseconds(1)));
    }
    handled += pollSources(static_cast<int>(std::max<long>(0, wait.count())));
    beforeWaiting();
    if (handled > 0 && returnAfterOne) return handled;
    if (Clock::now() >= deadline) {
      handled += fireDueTimers();
      beforeWaiting();
      return handled;
    }
  }
}
