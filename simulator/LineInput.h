#pragma once

#include <functional>
#include <string>

// Lines on standard input while something else holds the main thread, read as they come from
// the main run loop: at a terminal with line editing and history, a character at a time; from a
// pipe, as whole lines arrive. Each line goes to `run`; the input's end stops the reading only.
class LineInput {
 public:
  explicit LineInput(std::function<void(const std::string&)> run);
  LineInput(const LineInput&) = delete;
  LineInput& operator=(const LineInput&) = delete;
  ~LineInput();

 private:
  void readable();
  void stop();
  static void typed(char* line);

  std::function<void(const std::string&)> run_;
  bool terminal_;
  bool reading_ = true;
  std::string pending_;  // of a pipe: what came after the last whole line
};
