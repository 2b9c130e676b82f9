#include "SimDevice/ProcessRestart.h"

#include <vector>

namespace {

struct Forgetter {
  std::function<void()> forget;
  std::weak_ptr<void> holder;  // empty for the life of the process
  bool held;
};

std::vector<Forgetter>& forgetters() {
  static std::vector<Forgetter> all;
  return all;
}

}  // namespace

void ProcessRestart::onRestart(std::function<void()> forget) {
  forgetters().push_back(Forgetter{std::move(forget), {}, false});
}

std::shared_ptr<void> ProcessRestart::whileHeld(std::function<void()> forget) {
  std::erase_if(forgetters(), [](const Forgetter& f) { return f.held && f.holder.expired(); });
  auto holder = std::make_shared<char>();
  forgetters().push_back(Forgetter{std::move(forget), holder, true});
  return holder;
}

void ProcessRestart::restart() {
  std::erase_if(forgetters(), [](const Forgetter& f) { return f.held && f.holder.expired(); });
  // A part may make state of another while it forgets its own: run only what was there.
  const auto all = forgetters();
  for (auto each = all.rbegin(); each != all.rend(); ++each) {
    if (!each->held || !each->holder.expired()) each->forget();
  }
}
