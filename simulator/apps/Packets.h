#pragma once

#include <chrono>
#include <optional>
#include <string>

#include "common/Result.h"

// The channel between SpringBoard and an app's process: a Unix sequenced-packet socket, one
// message a packet, so that neither side ever reads half of one. A packet may carry a file
// descriptor with it (the app's frame buffer).
namespace packets {

// The most one message holds: a page's dump at its longest.
inline constexpr std::size_t kLargest = 1 << 20;

// A connected pair, each end closed on exec but the one handed to the child.
Result<std::pair<int, int>> pair();
Result<> send(int socket, const std::string& message, int fd = -1);

struct Received {
  std::string message;
  int fd = -1;  // owned by the receiver; -1 when none came
};
// Waits up to `wait`: the next message; a failure on a timeout ("no answer in N ms"), on the
// peer's end ("closed") or on an error.
Result<Received> receive(int socket, std::chrono::milliseconds wait);

}  // namespace packets
