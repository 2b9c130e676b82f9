#include "SimDevice/SystemLog.h"

#include <sys/time.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <ctime>

namespace {

struct LogState {
  SystemLog::Sink sink;
  std::string processName = program_invocation_short_name;
};

LogState& state() {
  static LogState instance;
  return instance;
}

std::string timestamp() {
  timeval now{};
  gettimeofday(&now, nullptr);
  tm local{};
  localtime_r(&now.tv_sec, &local);
  char date[32];
  std::strftime(date, sizeof date, "%Y-%m-%d %H:%M:%S", &local);
  char millis[8];
  std::snprintf(millis, sizeof millis, ".%03d", static_cast<int>(now.tv_usec / 1000));
  return std::string(date) + millis;
}

}  // namespace

void SystemLog::write(std::string_view message) {
  Entry entry;
  entry.message = message;
  entry.line = timestamp() + " " + state().processName + "[" + std::to_string(getpid()) + ":" +
               std::to_string(gettid()) + "] " + entry.message;
  if (state().sink) {
    state().sink(entry);
  } else {
    std::fprintf(stderr, "%s\n", entry.line.c_str());
  }
}

SystemLog::Sink SystemLog::setSink(Sink sink) {
  std::swap(state().sink, sink);
  return sink;
}

void SystemLog::setProcessName(std::string name) {
  state().processName = std::move(name);
}
