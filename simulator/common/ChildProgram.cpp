#include "common/ChildProgram.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>

extern char** environ;

namespace {

enum class Drained { Ended, TooLong, TooMuch };

// Everything the two pipes carry until both close, the time is up, or it is too much.
Drained drain(std::array<int, 2> fds, std::array<std::string, 2>& out,
              std::chrono::milliseconds longest, std::size_t limit) {
  const auto until = std::chrono::steady_clock::now() + longest;
  std::array<pollfd, 2> open{pollfd{fds[0], POLLIN, 0}, pollfd{fds[1], POLLIN, 0}};
  while (open[0].fd >= 0 || open[1].fd >= 0) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        until - std::chrono::steady_clock::now());
    if (left.count() <= 0) return Drained::TooLong;
    if (::poll(open.data(), open.size(), static_cast<int>(left.count())) < 0) continue;
    for (std::size_t i = 0; i < open.size(); ++i) {
      if (open[i].fd < 0 || open[i].revents == 0) continue;
      char buffer[65536];
      const auto got = ::read(open[i].fd, buffer, sizeof buffer);
      if (got < 0 && errno == EINTR) continue;
      if (got > 0) {
        out[i].append(buffer, static_cast<std::size_t>(got));
        if (out[i].size() > limit) return Drained::TooMuch;
      } else {
        open[i].fd = -1;
      }
    }
  }
  return Drained::Ended;
}

}  // namespace

Result<ChildProgram> ChildProgram::run(const std::vector<std::string>& words,
                                       std::chrono::milliseconds longest, std::size_t outputLimit) {
  std::vector<std::string> copies = words;
  std::vector<char*> argv;
  for (auto& word : copies) argv.push_back(word.data());
  argv.push_back(nullptr);
  int out[2], err[2];
  if (::pipe2(out, O_CLOEXEC) != 0) return fail("cannot run " + words[0]);
  if (::pipe2(err, O_CLOEXEC) != 0) {
    ::close(out[0]);
    ::close(out[1]);
    return fail("cannot run " + words[0]);
  }
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
  posix_spawn_file_actions_adddup2(&actions, err[1], STDERR_FILENO);
  pid_t child = -1;
  const int spawned = posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  ::close(out[1]);
  ::close(err[1]);
  std::array<std::string, 2> said;
  const Drained drained =
      spawned == 0 ? drain({out[0], err[0]}, said, longest, outputLimit) : Drained::Ended;
  ::close(out[0]);
  ::close(err[0]);
  if (spawned != 0) return fail("cannot run " + words[0] + ": " + std::strerror(spawned));
  if (drained != Drained::Ended) ::kill(child, SIGKILL);
  int status = 0;
  ::waitpid(child, &status, 0);
  if (drained == Drained::TooLong) {
    return fail(words[0] + " did not end within " + std::to_string(longest.count() / 1000) +
                " seconds; ended");
  }
  if (drained == Drained::TooMuch) {
    return fail(words[0] + " wrote more than " + std::to_string(outputLimit) + " bytes; ended");
  }
  return ChildProgram{WIFEXITED(status) ? WEXITSTATUS(status) : -1, std::move(said[0]),
                      std::move(said[1])};
}
