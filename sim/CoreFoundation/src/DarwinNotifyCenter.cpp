#include "DarwinNotifyCenter.h"
#include "SimDevice/ProcessRestart.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <optional>
#include <set>

#include "CoreFoundation/CFRunLoop.h"
#include "SimDevice/DeviceRoot.h"
#include "SimDevice/FolderHandle.h"
#include "SimDevice/SystemLog.h"

namespace {

constexpr char kRegistryFolder[] = "/var/run/notifyd";
constexpr std::size_t kMaxName = 1024;
constexpr std::size_t kMaxRegistration = 256;
constexpr char kRegistrationPrefix[] = "springboard-sim.notify.";

sockaddr_un abstractAddress(const std::string& name, socklen_t& length) {
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  const std::size_t size = std::min(name.size(), sizeof(address.sun_path) - 1);
  std::memcpy(address.sun_path + 1, name.data(), size);  // sun_path[0] == 0: abstract
  length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + size);
  return address;
}

// The name the kernel gave a socket bound without one (autobind), unique among live sockets.
std::string autoboundName(int socket) {
  sockaddr_un address{};
  socklen_t length = sizeof address;
  if (::getsockname(socket, reinterpret_cast<sockaddr*>(&address), &length) != 0) return {};
  const std::size_t offset = offsetof(sockaddr_un, sun_path) + 1;
  if (length <= offset || address.sun_path[0] != '\0') return {};
  return std::string(address.sun_path + 1, length - offset);
}

std::optional<FolderHandle> registry(bool create) {
  FileError error;
  auto folder = DeviceRoot::folder(kRegistryFolder, create, error);
  // Without the folder no notification reaches this process, or leaves it: say so.
  if (!folder && (create || error.code != ENOENT)) {
    SystemLog::write("notifyd: no Darwin notifications: " + error.describe());
  }
  return folder;
}

}  // namespace

namespace {
// Plain storage that outlives every object with a destructor: observers destroyed at exit after
// the centre find it gone rather than use it.
bool centreAlive = false;
}  // namespace

DarwinNotifyCenter& DarwinNotifyCenter::shared() {
  static DarwinNotifyCenter center;
  // The socket stays: the new process binds one just as well.
  static const bool forgotten =
      (ProcessRestart::onRestart([] { center.observers_.clear(); }), true);
  (void)forgotten;
  return center;
}

DarwinNotifyCenter* DarwinNotifyCenter::ifAlive() {
  return centreAlive ? &shared() : nullptr;
}

// The run loop is made first so that it outlives the centre, which leaves it at exit.
DarwinNotifyCenter::DarwinNotifyCenter() {
  CFRunLoop::main();
  centreAlive = true;
}

DarwinNotifyCenter::~DarwinNotifyCenter() {
  centreAlive = false;
  stopListening();
}

void DarwinNotifyCenter::stopListening() {
  if (socket_ < 0) return;
  if (owner_ == getpid()) {
    CFRunLoop::main().removeSource(socket_);
    FileError ignored;
    if (const auto folder = registry(false); folder && !registration_.empty()) {
      folder->remove(registration_, ignored);
    }
  }
  ::close(socket_);
  socket_ = -1;
  registration_.clear();
}

// Binds a socket under a name the kernel picks, and registers it in a file of a name nobody can
// guess, created new: a link planted for the next registration finds nothing to write through.
void DarwinNotifyCenter::ensureListening() {
  if (socket_ >= 0 && owner_ == getpid()) return;
  stopListening();
  socket_ = ::socket(AF_UNIX, SOCK_DGRAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
  if (socket_ < 0) return;
  const sockaddr_un unnamed{.sun_family = AF_UNIX, .sun_path = {}};
  const std::string name =
      ::bind(socket_, reinterpret_cast<const sockaddr*>(&unnamed), sizeof(sa_family_t)) == 0
          ? autoboundName(socket_)
          : std::string();
  FileError ignored;
  const auto folder = registry(true);
  auto file = folder && !name.empty()
                  ? folder->createUnique(kRegistrationPrefix, name + "\n", ignored)
                  : std::nullopt;
  if (!file) {
    ::close(socket_);
    socket_ = -1;
    return;
  }
  owner_ = getpid();
  registration_ = std::move(*file);
  CFRunLoop::main().addSource(socket_, [this] { receive(); });
}

void DarwinNotifyCenter::addObserver(const void* observer, CFNotificationCallback callback,
                                     std::string name) {
  if (callback == nullptr || name.empty()) return;
  ensureListening();
  observers_.push_back(Observer{observer, callback, std::move(name)});
}

void DarwinNotifyCenter::removeObserver(const void* observer, const std::string& name) {
  std::erase_if(observers_, [&](const Observer& o) {
    return o.observer == observer && (name.empty() || o.name == name);
  });
}

// Only regular files are read, each a bounded read that never waits: anything else planted in
// the folder (a FIFO, a link to a device) is passed over.
void DarwinNotifyCenter::post(const std::string& name) {
  if (name.empty() || name.size() > kMaxName) return;
  const auto folder = registry(false);
  if (!folder) return;
  for (const auto& entry : folder->names()) {
    if (folder->kind(entry) != FolderHandle::Kind::File) continue;
    FileError ignored;
    const auto text = folder->read(entry, kMaxRegistration, ignored);
    const std::string target = text ? text->substr(0, text->find('\n')) : std::string();
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
    if (sent < 0 && sendError == ECONNREFUSED) folder->remove(entry, ignored);
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
      const bool stillThere = std::any_of(observers_.begin(), observers_.end(), [&](const auto& s) {
        return s.observer == o.observer && s.callback == o.callback && s.name == o.name;
      });
      if (o.name == name && stillThere) {
        o.callback(CFNotificationCenterGetDarwinNotifyCenter(), const_cast<void*>(o.observer),
                   name.c_str(), nullptr, nullptr);
      }
    }
  }
}
