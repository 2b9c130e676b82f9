#include "apps/Packets.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <vector>

namespace packets {

namespace {

Failure systemFailure(const char* what) {
  return fail(std::string(what) + ": " + std::strerror(errno));
}

}  // namespace

Result<std::pair<int, int>> pair() {
  int ends[2];
  if (socketpair(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0, ends) != 0) {
    return systemFailure("socketpair");
  }
  for (const int end : ends) {
    const int size = static_cast<int>(kLargest) + 4096;
    setsockopt(end, SOL_SOCKET, SO_SNDBUF, &size, sizeof size);
    setsockopt(end, SOL_SOCKET, SO_RCVBUF, &size, sizeof size);
  }
  return std::pair{ends[0], ends[1]};
}

Result<> send(int socket, const std::string& message, int fd) {
  if (message.size() > kLargest)
    return fail("a message of " + std::to_string(message.size()) +
                " bytes is over the channel's limit");
  iovec part{const_cast<char*>(message.data()), message.size()};
  msghdr header{};
  header.msg_iov = &part;
  header.msg_iovlen = 1;
  alignas(cmsghdr) char control[CMSG_SPACE(sizeof(int))] = {};
  if (fd >= 0) {
    header.msg_control = control;
    header.msg_controllen = sizeof control;
    cmsghdr* passed = CMSG_FIRSTHDR(&header);
    passed->cmsg_level = SOL_SOCKET;
    passed->cmsg_type = SCM_RIGHTS;
    passed->cmsg_len = CMSG_LEN(sizeof(int));
    std::memcpy(CMSG_DATA(passed), &fd, sizeof fd);
  }
  while (sendmsg(socket, &header, MSG_NOSIGNAL) < 0) {
    if (errno != EINTR) return systemFailure("send");
  }
  return Ok{};
}

Result<Received> receive(int socket, std::chrono::milliseconds wait) {
  pollfd ready{socket, POLLIN, 0};
  const auto deadline = std::chrono::steady_clock::now() + wait;
  for (;;) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    const int polled = poll(&ready, 1, static_cast<int>(std::max<long>(0, left.count())));
    if (polled > 0) break;
    if (polled == 0) return fail("no answer in " + std::to_string(wait.count()) + " ms");
    if (errno != EINTR) return systemFailure("poll");
  }
  // The packet's length first, so that the buffer is no larger than the message.
  char probe;
  ssize_t length;
  while ((length = recv(socket, &probe, 1, MSG_PEEK | MSG_TRUNC)) < 0) {
    if (errno != EINTR) return systemFailure("receive");
  }
  std::vector<char> bytes(std::clamp<std::size_t>(static_cast<std::size_t>(length), 1, kLargest));
  iovec part{bytes.data(), bytes.size()};
  msghdr header{};
  header.msg_iov = &part;
  header.msg_iovlen = 1;
  alignas(cmsghdr) char control[CMSG_SPACE(sizeof(int))] = {};
  header.msg_control = control;
  header.msg_controllen = sizeof control;
  ssize_t got;
  while ((got = recvmsg(socket, &header, MSG_CMSG_CLOEXEC)) < 0) {
    if (errno != EINTR) return systemFailure("receive");
  }
  Received received;
  for (cmsghdr* passed = CMSG_FIRSTHDR(&header); passed; passed = CMSG_NXTHDR(&header, passed)) {
    if (passed->cmsg_level == SOL_SOCKET && passed->cmsg_type == SCM_RIGHTS) {
      std::memcpy(&received.fd, CMSG_DATA(passed), sizeof(int));
    }
  }
  if (got == 0) {
    if (received.fd >= 0) close(received.fd);
    return fail("closed");
  }
  if (header.msg_flags & MSG_TRUNC) {
    if (received.fd >= 0) close(received.fd);
    return fail("a message over the channel's limit");
  }
  received.message.assign(bytes.data(), static_cast<std::size_t>(got));
  return received;
}

}  // namespace packets
