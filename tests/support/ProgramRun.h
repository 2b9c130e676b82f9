#pragma once

#include <map>
#include <string>
#include <vector>

// One run of a built program: its arguments, its standard input, and what came back.
struct ProgramRun {
  int status = -1;  // the exit status; -1 when it did not exit normally
  std::string out;
  std::string err;
};

ProgramRun runProgram(const std::vector<std::string>& argv, const std::string& input = "",
                      const std::map<std::string, std::string>& environment = {});
// The simulator on the device root `root` with `script` on its input, and the preferences tool.
ProgramRun runSim(const std::string& root, const std::string& script,
                  const std::vector<std::string>& options = {});
ProgramRun runPrefs(const std::string& root, const std::vector<std::string>& args);

inline bool contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

// A program left running with its standard input open: lines go in while it runs.
class RunningProgram {
 public:
  explicit RunningProgram(const std::vector<std::string>& argv,
                          const std::map<std::string, std::string>& environment = {});
  RunningProgram(const RunningProgram&) = delete;
  RunningProgram& operator=(const RunningProgram&) = delete;
  ~RunningProgram();

  void write(const std::string& text);
  void send(const std::string& line) { write(line + "\n"); }
  // Waits (up to a few seconds) until its standard output holds `text`.
  bool waitForOutput(const std::string& text);
  // What it has written to standard output so far.
  std::string output() const;
  ProgramRun finish();  // closes its input and waits for it
  int pid() const { return pid_; }

 private:
  int pid_ = -1;
  int input_ = -1;
  std::string outFile_;
  std::string errFile_;
};
