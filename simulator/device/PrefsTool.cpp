#include "device/PrefsTool.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "SimDevice/DeviceRoot.h"
#include "common/ProgramFolder.h"

extern char** environ;

namespace prefs_tool {
namespace {

constexpr char kProgram[] = "orbelle2-prefs";
// What it adds to a mistyped command's error, about its own usage rather than the simulator's.
constexpr char kUsageHint[] = " (orbelle2-prefs --help for the usage)";
// The tool waits at most 3 seconds for a write claim: past that and more, it is stuck.
constexpr std::chrono::milliseconds kLongest{6000};

std::string program() {
  return (programFolder() / kProgram).string();
}

// Everything the two pipes carry until both close or the time is up; false when it was.
bool drain(std::array<int, 2> fds, std::array<std::string, 2>& out) {
  const auto until = std::chrono::steady_clock::now() + kLongest;
  std::array<pollfd, 2> open{pollfd{fds[0], POLLIN, 0}, pollfd{fds[1], POLLIN, 0}};
  while (open[0].fd >= 0 || open[1].fd >= 0) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        until - std::chrono::steady_clock::now());
    if (left.count() <= 0) return false;
    if (::poll(open.data(), open.size(), static_cast<int>(left.count())) < 0) continue;
    for (std::size_t i = 0; i < open.size(); ++i) {
      if (open[i].fd < 0 || open[i].revents == 0) continue;
      char buffer[4096];
      const auto got = ::read(open[i].fd, buffer, sizeof buffer);
      if (got < 0 && errno == EINTR) continue;
      if (got > 0) {
        out[i].append(buffer, static_cast<std::size_t>(got));
      } else {
        open[i].fd = -1;
      }
    }
  }
  return true;
}

std::string withoutLineEnd(std::string text) {
  while (!text.empty() && text.back() == '\n') text.pop_back();
  return text;
}

}  // namespace

Result<std::string> run(const std::vector<std::string>& args) {
  std::vector<std::string> words{program(), "--root", DeviceRoot::path().string()};
  words.insert(words.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (auto& word : words) argv.push_back(word.data());
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
  const int spawned = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  ::close(out[1]);
  ::close(err[1]);
  std::array<std::string, 2> said;
  const bool ended = spawned == 0 && drain({out[0], err[0]}, said);
  ::close(out[0]);
  ::close(err[0]);
  if (spawned != 0) return fail("cannot run " + words[0] + ": " + std::strerror(spawned));
  if (!ended) ::kill(child, SIGKILL);
  int status = 0;
  ::waitpid(child, &status, 0);
  if (!ended) return fail(std::string(kProgram) + " did not answer within 6 seconds; ended");
  if (WIFEXITED(status) && WEXITSTATUS(status) == 0) return withoutLineEnd(said[0]);
  std::string why = withoutLineEnd(said[1]);
  if (why.starts_with("error: ")) why.erase(0, 7);
  if (why.ends_with(kUsageHint)) why.erase(why.size() - std::string_view(kUsageHint).size());
  return fail(why.empty() ? std::string(kProgram) + " failed" : why);
}

}  // namespace prefs_tool
