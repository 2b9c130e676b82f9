#pragma once

#include <string>
#include <vector>

#include "SimDevice/SystemLog.h"

// Collects every NSLog message (and its full line) while in scope.
class LogCapture {
 public:
  LogCapture() {
    previous_ = SystemLog::setSink([this](const SystemLog::Entry& entry) {
      messages_.push_back(entry.message);
      lines_.push_back(entry.line);
    });
  }
  LogCapture(const LogCapture&) = delete;
  LogCapture& operator=(const LogCapture&) = delete;
  ~LogCapture() { SystemLog::setSink(std::move(previous_)); }

  const std::vector<std::string>& messages() const { return messages_; }
  const std::vector<std::string>& lines() const { return lines_; }
  void clear() {
    messages_.clear();
    lines_.clear();
  }

 private:
  SystemLog::Sink previous_;
  std::vector<std::string> messages_;
  std::vector<std::string> lines_;
};
