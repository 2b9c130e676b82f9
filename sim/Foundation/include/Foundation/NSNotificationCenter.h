#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "Foundation/NSNotification.h"

// The process's default notification centre. Delivery is synchronous, on the posting thread,
// in the order observers were added. Observers are held weakly: one that has been destroyed
// is never called, whether or not it removed itself.
class NSNotificationCenter {
 public:
  using Handler = std::function<void(const NSNotification&)>;

  static NSNotificationCenter& defaultCenter();

  // `name` empty: every notification; `object` null: whoever sends it. The observer is kept
  // alive while its handler runs.
  void addObserver(std::weak_ptr<const void> observer, Handler handler, std::string name,
                   const void* object);

  // Target-action form: calls observer->*selector.
  template <class T>
  void addObserver(const std::shared_ptr<T>& observer, void (T::*selector)(const NSNotification&),
                   std::string name, const void* object) {
    T* target = observer.get();
    addObserver(
        std::weak_ptr<const void>(observer),
        [target, selector](const NSNotification& note) { (target->*selector)(note); },
        std::move(name), object);
  }

  // Removes every registration of `observer`, for every name and sender.
  void removeObserver(const void* observer);

  void postNotificationName(std::string name, const void* object,
                            PlistValue::Dictionary userInfo = {});

 private:
  friend class ProcessSetup;  // the host's count of live registrations
  std::size_t observationCount(const void* observer) const;
  std::size_t observerCountForName(std::string_view name) const;

  struct Registration;
  std::vector<std::shared_ptr<Registration>> registrations_;
};
