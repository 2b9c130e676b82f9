#include "Foundation/NSNotificationCenter.h"
#include "SimDevice/ProcessRestart.h"

#include <algorithm>

struct NSNotificationCenter::Registration {
  std::weak_ptr<const void> observer;
  const void* identity;
  Handler handler;
  std::string name;
  const void* object;
  bool removed = false;

  bool matches(const NSNotification& note) const {
    return (name.empty() || name == note.name) && (object == nullptr || object == note.object);
  }
  bool live() const { return !removed && !observer.expired(); }
};

NSNotificationCenter& NSNotificationCenter::defaultCenter() {
  static NSNotificationCenter center;
  static const bool forgotten =
      (ProcessRestart::onRestart([] { center.registrations_.clear(); }), true);
  (void)forgotten;
  return center;
}

void NSNotificationCenter::addObserver(std::weak_ptr<const void> observer, Handler handler,
                                       std::string name, const void* object) {
  std::erase_if(registrations_, [](const auto& r) { return !r->live(); });
  const void* identity = observer.lock().get();
  if (identity == nullptr || !handler) return;
  registrations_.push_back(std::make_shared<Registration>(
      Registration{std::move(observer), identity, std::move(handler), std::move(name), object}));
}

void NSNotificationCenter::removeObserver(const void* observer) {
  // Marked as well as erased: a post in progress holds its own list and must skip them.
  for (auto& registration : registrations_) {
    if (registration->identity == observer) registration->removed = true;
  }
  std::erase_if(registrations_, [](const auto& r) { return !r->live(); });
}

void NSNotificationCenter::postNotificationName(std::string name, const void* object,
                                                PlistValue::Dictionary userInfo) {
  const NSNotification note{std::move(name), object, std::move(userInfo)};
  // Observers added while this post runs are not part of it.
  const auto snapshot = registrations_;
  for (const auto& registration : snapshot) {
    if (registration->removed || !registration->matches(note)) continue;
    const auto keepAlive = registration->observer.lock();
    if (!keepAlive) continue;
    registration->handler(note);
  }
}

std::size_t NSNotificationCenter::observationCount(const void* observer) const {
  return static_cast<std::size_t>(
      std::count_if(registrations_.begin(), registrations_.end(),
                    [observer](const auto& r) { return r->identity == observer && r->live(); }));
}

std::size_t NSNotificationCenter::observerCountForName(std::string_view name) const {
  return static_cast<std::size_t>(
      std::count_if(registrations_.begin(), registrations_.end(),
                    [name](const auto& r) { return r->name == name && r->live(); }));
}
