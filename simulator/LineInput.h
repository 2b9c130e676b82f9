#pragma once

#include <functional>
#include <string>

// Lines on standard input while something else holds the main thread, read as they come from
// the main run loop: at a terminal with line editing and history, a character at a time; from a
// pipe, as whole lines arrive. Each line goes to `run`. At a terminal the prompt then stays
// away until `resume`, so that the line's results come before the next prompt; from a pipe,
// reading goes on. The input's end stops the reading only. At a terminal Ctrl-C clears the line
// being typed, as a line-editing prompt does, rather than end the session; the history is kept
// between sessions.
class LineInput {
 public:
  explicit LineInput(std::function<void(const std::string&)> run);
  LineInput(const LineInput&) = delete;
  LineInput& operator=(const LineInput&) = delete;
  ~LineInput();

  // Shows the prompt again and reads on, after the last line's results are out.
  void resume();
  bool ended() const { return ended_; }
  bool atTerminal() const { return terminal_; }

  // Prints a line of output. While a prompt is on the terminal it is taken down, the line
  // printed, and the prompt put back with what was typed at it.
  static void print(const std::string& line);

 private:
  void readable();
  void interrupted();
  void listen();
  void pause();
  static void typed(char* line);

  std::function<void(const std::string&)> run_;
  bool terminal_;
  bool listening_ = false;
  bool ended_ = false;
  std::string pending_;           // of a pipe: what came after the last whole line
  int interrupts_[2] = {-1, -1};  // Ctrl-C's signal, to the run loop
};
