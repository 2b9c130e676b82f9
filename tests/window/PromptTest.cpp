#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <string>

#include "support/TempDeviceRoot.h"

namespace {

// The simulator (with its window on SDL's offscreen driver, or without) and a terminal of its
// own, typed at a key at a time as a person types. Its data folder is `data`.
class Terminal {
 public:
  Terminal(const std::string& root, const std::string& data, bool window = true) {
    pid_ = forkpty(&fd_, nullptr, nullptr, nullptr);
    if (pid_ == 0) {
      setenv("SDL_VIDEODRIVER", "offscreen", 1);
      setenv("XDG_DATA_HOME", data.c_str(), 1);
      execl(ORBELLE_SIM, ORBELLE_SIM, "--root", root.c_str(), window ? "--window" : nullptr,
            nullptr);
      _exit(127);
    }
  }
  // The exit status once the simulator has ended (within a few seconds), else -1.
  int exitStatus() {
    for (int i = 0; i < 300; ++i) {
      int status = 0;
      if (waitpid(pid_, &status, WNOHANG) == pid_) {
        pid_ = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
      }
      readFor(std::chrono::milliseconds(10));
      usleep(10000);  // a closed terminal answers at once
    }
    return -1;
  }
  ~Terminal() {
    if (pid_ > 0) {
      kill(pid_, SIGKILL);
      waitpid(pid_, nullptr, 0);
    }
    if (fd_ >= 0) close(fd_);
  }
  void type(const std::string& keys) {
    for (const char key : keys) {
      ASSERT_EQ(write(fd_, &key, 1), 1);
      readFor(std::chrono::milliseconds(5));
    }
  }
  // What the terminal showed, once `text` is among it (or a few seconds have passed).
  const std::string& waitFor(const std::string& text) {
    for (int i = 0; i < 300 && screen.find(text) == std::string::npos; ++i) {
      readFor(std::chrono::milliseconds(10));
    }
    return screen;
  }
  std::string screen;

 private:
  void readFor(std::chrono::milliseconds time) {
    pollfd ready{fd_, POLLIN, 0};
    char buffer[4096];
    while (poll(&ready, 1, int(time.count())) > 0) {
      const auto got = read(fd_, buffer, sizeof buffer);
      if (got <= 0) return;
      screen.append(buffer, std::size_t(got));
    }
  }
  int fd_ = -1;
  pid_t pid_ = -1;
};

TEST(PromptBesideTheWindow, ShowsEachCommandOnceItsResultThenANewPrompt) {
  TempDeviceRoot root;
  Terminal terminal(root.path().string(), root.path().string());
  terminal.waitFor("press ? for keys");
  terminal.waitFor("springboard> ");
  const auto before = terminal.screen.size();
  terminal.type("play on\r");
  const std::string shown = terminal.waitFor("Audio/Video\r\nspringboard> ").substr(before);
  EXPECT_EQ(shown, "play on\r\nbuttons change Audio/Video\r\nspringboard> ")
      << "echoed once by the line editor, the result, then the prompt";
  terminal.type("hud Ringtone\r");
  EXPECT_NE(terminal.waitFor("yes\r\nspringboard> ").find("hud Ringtone\r\nyes\r\nspringboard> "),
            std::string::npos)
      << terminal.screen;
  terminal.type("\x04");
  EXPECT_EQ(terminal.exitStatus(), 0) << "Ctrl-D ends the session, window and all";
}

TEST(PromptAtATerminal, CtrlCClearsTheLineAndTheHistoryOutlivesTheSession) {
  TempDeviceRoot root;
  const std::string data = root.path().string() + "/data";
  {
    Terminal terminal(root.path().string(), data, false);
    terminal.waitFor("springboard> ");
    terminal.type("hold u\x03");
    terminal.waitFor("^C\r\nspringboard> ");
    const auto before = terminal.screen.size();
    terminal.type("play on\r");
    EXPECT_EQ(terminal.waitFor("Audio/Video\r\nspringboard> ").substr(before),
              "play on\r\nbuttons change Audio/Video\r\nspringboard> ")
        << "the session goes on, with what was typed before Ctrl-C gone";
    terminal.type("quit\r");
    EXPECT_EQ(terminal.exitStatus(), 0);
  }
  Terminal again(root.path().string(), data, false);
  again.waitFor("springboard> ");
  const auto before = again.screen.size();
  again.type("\x1b[A\x1b[A\r");
  EXPECT_NE(again.waitFor("buttons change").substr(before).find("play on"), std::string::npos)
      << "two steps back in the history is the last session's play on";
}

}  // namespace
