#include "LineInput.h"

#include <editline/readline.h>
#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cstdlib>
#include <iostream>
#include <memory>
#include <utility>

#include "Console.h"
#include "CoreFoundation/CFRunLoop.h"
#include "PromptHistory.h"
#include "common/Report.h"

namespace {

// The line editor calls back a plain function: the input it is reading for, while its prompt
// is up.
LineInput* reader = nullptr;

// Where the signal handler tells the run loop of a Ctrl-C.
int interruptWriter = -1;
struct sigaction formerInterrupt {};

void onInterrupt(int) {
  const char byte = 0;
  [[maybe_unused]] const auto ignored = ::write(interruptWriter, &byte, 1);
}

}  // namespace

LineInput::LineInput(std::function<void(const std::string&)> run)
    : run_(std::move(run)), terminal_(isatty(STDIN_FILENO)) {
  if (terminal_ && ::pipe2(interrupts_, O_CLOEXEC | O_NONBLOCK) == 0) {
    prompt_history::load();
    interruptWriter = interrupts_[1];
    struct sigaction action {};
    action.sa_handler = &onInterrupt;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGINT, &action, &formerInterrupt);
    CFRunLoop::main().addSource(interrupts_[0], [this] { interrupted(); });
  }
  listen();
}

LineInput::~LineInput() {
  pause();
  if (interrupts_[0] < 0) return;
  ::sigaction(SIGINT, &formerInterrupt, nullptr);
  CFRunLoop::main().removeSource(interrupts_[0]);
  interruptWriter = -1;
  ::close(interrupts_[0]);
  ::close(interrupts_[1]);
  prompt_history::save();
}

void LineInput::interrupted() {
  char drained[64];
  while (::read(interrupts_[0], drained, sizeof drained) > 0) {
  }
  if (reader != this) return;  // a command is running: its prompt is not up to clear
  // Installing the handler again starts a new, empty line under a new prompt.
  std::cout << "^C" << std::endl;
  rl_callback_handler_remove();
  rl_callback_handler_install(kPrompt, &LineInput::typed);
}

void LineInput::listen() {
  if (listening_ || ended_) return;
  listening_ = true;
  if (terminal_) {
    reader = this;
    // Installing puts the terminal in the editor's mode and draws the prompt.
    rl_callback_handler_install(kPrompt, &LineInput::typed);
  }
  CFRunLoop::main().addSource(STDIN_FILENO, [this] { readable(); });
}

void LineInput::pause() {
  if (!listening_) return;
  listening_ = false;
  CFRunLoop::main().removeSource(STDIN_FILENO);
  if (terminal_) {
    rl_callback_handler_remove();
    reader = nullptr;
  }
}

void LineInput::resume() {
  if (terminal_) listen();
}

void LineInput::print(const std::string& line) {
  if (reader == nullptr) {
    std::cout << line << std::endl;
    return;
  }
  std::cout << "\r\033[K" << line << std::endl;
  rl_forced_update_display();
}

void LineInput::typed(char* line) {
  // The editor hands over a line it allocated with malloc.
  const std::unique_ptr<char, decltype(&std::free)> owned(line, &std::free);
  LineInput* input = reader;
  if (input == nullptr) return;
  input->pause();
  if (line == nullptr) {
    input->ended_ = true;
    std::cout << std::endl;  // past the prompt the end of input left
    return;
  }
  const std::string text = line;
  remember(text);
  input->run_(text);
}

void LineInput::readable() {
  if (terminal_) return rl_callback_read_char();
  char buffer[4096];
  const auto got = ::read(STDIN_FILENO, buffer, sizeof buffer);
  if (got <= 0) {
    pause();
    ended_ = true;
    if (!pending_.empty()) run_(std::exchange(pending_, std::string()));
    return;
  }
  pending_.append(buffer, static_cast<std::size_t>(got));
  for (auto end = pending_.find('\n'); end != std::string::npos; end = pending_.find('\n')) {
    const std::string line = pending_.substr(0, end);
    pending_.erase(0, end + 1);
    run_(line);
  }
  if (pending_.size() > kLongestLine) {
    print("error: " + lineTooLong().reason);
    pending_.clear();
    pause();
    ended_ = true;
  }
}
