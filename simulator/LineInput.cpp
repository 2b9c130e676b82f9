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

// The line editor calls back a plain function: the input it is reading for.
LineInput* reader = nullptr;

}  // namespace

LineInput::LineInput(std::function<void(const std::string&)> run)
    : run_(std::move(run)), terminal_(isatty(STDIN_FILENO)) {
  if (terminal_) {
    reader = this;
    rl_callback_handler_install(kPrompt, &LineInput::typed);
  }
  CFRunLoop::main().addSource(STDIN_FILENO, [this] { readable(); });
}

LineInput::~LineInput() {
  stop();
}

void LineInput::stop() {
  if (!reading_) return;
  reading_ = false;
  CFRunLoop::main().removeSource(STDIN_FILENO);
  if (terminal_) {
    rl_callback_handler_remove();
    reader = nullptr;
  }
}

void LineInput::typed(char* line) {
  // The editor hands over a line it allocated with malloc.
  const std::unique_ptr<char, decltype(&std::free)> owned(line, &std::free);
  if (reader == nullptr) return;
  if (line == nullptr) return reader->stop();
  const std::string text = line;
  remember(text);
  reader->run_(text);
}

void LineInput::readable() {
  if (terminal_) return rl_callback_read_char();
  char buffer[4096];
  const auto got = ::read(STDIN_FILENO, buffer, sizeof buffer);
  if (got <= 0) {
    if (!pending_.empty()) run_(std::exchange(pending_, std::string()));
    return stop();
  }
  pending_.append(buffer, static_cast<std::size_t>(got));
  for (auto end = pending_.find('\n'); end != std::string::npos; end = pending_.find('\n')) {
    const std::string line = pending_.substr(0, end);
    pending_.erase(0, end + 1);
    run_(line);
  }
  if (pending_.size() > kLongestLine) {
    report(std::cout, lineTooLong());
    pending_.clear();
    stop();
  }
}
