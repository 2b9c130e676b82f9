#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

#include "CoreFoundation/CFNotificationCenter.h"

// The Darwin centre of one process. Each observing process binds a Unix datagram socket (in
// the abstract namespace, so the root's path length does not matter) and leaves a file naming
// it in the device's "/var/run/notifyd" folder; a post sends the name to every socket listed
// there, never waiting on one. Pending posts of one name are delivered once (coalesced), as notifyd
// does.
class DarwinNotifyCenter {
 public:
  static DarwinNotifyCenter& shared();
  // The centre, unless the process's exit has already taken it down; null then.
  static DarwinNotifyCenter* ifAlive();
  DarwinNotifyCenter();
  ~DarwinNotifyCenter();

  void addObserver(const void* observer, CFNotificationCallback callback, std::string name);
  // Every registration of `observer` for `name`, or for any name when `name` is empty.
  void removeObserver(const void* observer, const std::string& name);
  void post(const std::string& name);

 private:
  struct Observer {
    const void* observer;
    CFNotificationCallback callback;
    std::string name;
  };
  void ensureListening();
  void stopListening();
  void receive();

  std::vector<Observer> observers_;
  int socket_ = -1;
  pid_t owner_ = 0;           // the process that bound the socket; a forked child binds its own
  std::string registration_;  // the registration file's name in the folder
};
