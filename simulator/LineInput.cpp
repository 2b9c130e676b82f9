#include "LineInput.h"

#include <editline/readline.h>
#include <unistd.h>

#include <cstdlib>
#include <iostream>
#include <memory>
#include <utility>

#include "Console.h"
#include "CoreFoundation/CFRunLoop.h"
#include "common/Report.h"

namespace {

// The line editor calls back a plain function: the input it is reading for, while its prompt
// is up.
LineInput* reader = nullptr;

}  // namespace

LineInput::LineInput(std::function<void(const std::string&)> run)
    : run_(std::move(run)), terminal_(isatty(STDIN_FILENO)) {
  listen();
}

LineInput::~LineInput() {
  pause();
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
