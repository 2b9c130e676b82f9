#include "DarwinNotifyCenter.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <set>
#include <system_error>

#include "CoreFoundation/CFRunLoop.h"
#include "SimDevice/DeviceRoot.h"

namespace {

constexpr char kRegistryFolder[] = "/var/run/notifyd";
constexpr std::size_t kMaxName = 1024;

sockaddr_un abstractAddress(const std::string& name, socklen_t& length) {
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  const std::size_t size = std::min(name.size(), sizeof(address.sun_path) - 1);
  std::memcpy(address.sun_path + 1, name.data(), size);  // sun_path[0] == 0: abstract
  length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + size);
  return address;
}

std::string readFile(const std::filesystem::path& file) {
  std::ifstream in(file);
  std::string text;
  std::getline(in, text);
  return text;
}

}  // namespace

DarwinNotifyCenter& DarwinNotifyCenter::shared() {
  static DarwinNotifyCenter center;
  return center;
}

// The run loop is made first so that it outlives the centre, which leaves it at exit.
DarwinNotifyCenter::DarwinNotifyCenter() {
  CFRunLoop::main();
}

DarwinNotifyCenter::~DarwinNotifyCenter() {
  stopListening();
}

void DarwinNotifyCenter::stopListening() {
  if (socket_ < 0) return;
  if (owner_ == getpid()) {
    CFRunLoop::main().removeSource(socket_);
    std::error_code ignored;
    std::filesystem::remove(registration_, ignored);
  }
  ::close(socket_);
  socket_ = -1;
}

void DarwinNotifyCenter::ensureListening() {
  if (socket_ >= 0 && owner_ == getpid()) return;
  stopListening();
  static unsigned long counter = 0;
  const std::string name =
      "springboard-sim.notify." + std::to_string(getpid()) + "." + std::to_string(++counter);
  socket_ = ::socket(AF_UNIX, SOCK_DGRAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
  if (socket_ < 0) return;
  socklen_t length = 0;
  const sockaddr_un address = abstractAddress(name, length);
  if (::bind(socket_, reinterpret_cast<const sockaddr*>(&address), length) != 0) {
    ::close(socket_);
    socket_ = -1;
    return;
  }
  owner_ = getpid();
  const auto folder = DeviceRoot::resolve(kRegistryFolder);
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  registration_ = folder / name;
  std::ofstream(registration_) << name << "\n";
  CFRunLoop::main().addSource(socket_, [this] { receive(); });
}

void DarwinNotifyCenter::addObserver(const void* observer, CFNotificationCallback callback,
                                     std::string name) {
  if (callback == nullptr || name.empty()) return;
  ensureListening();
  observers_.push_back(Observer{observer, callback, std::move(name)});
}

void DarwinNotifyCenter::removeEveryObserver(const void* observer) {
  std::erase_if(observers_, [observer](const Observer& o) { return o.observer == observer; });
}

void DarwinNotifyCenter::post(const std::string& name) {
  if (name.empty() || name.size() > kMaxName) return;
  const auto folder = DeviceRoot::resolve(kRegistryFolder);
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    const std::string target = readFile(entry.path());
    if (target.empty()) continue;
    const int out = ::socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (out < 0) return;
    socklen_t length = 0;
    const sockaddr_un address = abstractAddress(target, length);
    const auto sent = ::sendto(out, name.data(), name.size(), MSG_DONTWAIT,
                               reinterpret_cast<const sockaddr*>(&address), length);
    const int sendError = errno;
    ::close(out);
    // Nobody listens there any more: the process ended without tidying up.
    if (sent < 0 && sendError == ECONNREFUSED) std::filesystem::remove(entry.path(), error);
  }
}

void DarwinNotifyCenter::receive() {
  std::vector<std::string> pending;
  char buffer[kMaxName];
  for (;;) {
    const auto size = ::recv(socket_, buffer, sizeof buffer, MSG_DONTWAIT);
    if (size <= 0) break;
    std::string name(buffer, static_cast<std::size_t>(size));
    if (std::find(pending.begin(), pending.end(), name) == pending.end()) {
      pending.push_back(std::move(name));
    }
  }
  for (const auto& name : pending) {
    const auto observers = observers_;  // a callback may add or remove observers
    for (const auto& o : observers) {
      if (o.name == name) {
        o.callback(CFNotificationCenterGetDarwinNotifyCenter(), const_cast<void*>(o.observer),
                   name.c_str(), nullptr, nullptr);
      }
    }
  }
}
