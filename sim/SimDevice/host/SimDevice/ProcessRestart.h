#pragma once

#include <functional>
#include <memory>

// A process started again in place, as a respring starts SpringBoard again: here the process is
// the host's own, so what a new process would not have is forgotten by hand. Each part that
// keeps process-wide state registers, when it makes that state, how it goes back to a fresh
// start; `restart` runs them, the latest registered first, as the process's memory going away
// would. What lives outside a process on a device (the media server's volumes, the files, the
// preferences daemon, the hardware) registers nothing and stays.
class ProcessRestart {
 public:
  static void onRestart(std::function<void()> forget);
  // For a part that may go before the process does (a window's renderer): its `forget` runs
  // only while the answer is held.
  [[nodiscard]] static std::shared_ptr<void> whileHeld(std::function<void()> forget);
  static void restart();
};
