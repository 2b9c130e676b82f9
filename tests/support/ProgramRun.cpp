#include "support/ProgramRun.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>

namespace {

std::string temporaryFile(const char* stem) {
  std::string pattern = (std::filesystem::temp_directory_path() / stem).string() + ".XXXXXX";
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  const int fd = mkstemp(name.data());
  if (fd >= 0) close(fd);
  return name.data();
}

std::string slurp(const std::string& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// Starts `argv` with its input from a new pipe and its output into the two files; answers
// the pid and the pipe's writing end.
std::pair<int, int> start(const std::vector<std::string>& argv, const std::string& outFile,
                          const std::string& errFile,
                          const std::map<std::string, std::string>& environment) {
  int pipeEnds[2];
  if (pipe(pipeEnds) != 0) return {-1, -1};
  const pid_t pid = fork();
  if (pid == 0) {
    dup2(pipeEnds[0], STDIN_FILENO);
    dup2(open(outFile.c_str(), O_WRONLY | O_TRUNC), STDOUT_FILENO);
    dup2(open(errFile.c_str(), O_WRONLY | O_TRUNC), STDERR_FILENO);
    close(pipeEnds[0]);
    close(pipeEnds[1]);
    for (const auto& [name, value] : environment) setenv(name.c_str(), value.c_str(), 1);
    std::vector<char*> args;
    for (const auto& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
    args.push_back(nullptr);
    execv(args[0], args.data());
    _exit(127);
  }
  close(pipeEnds[0]);
  return {pid, pipeEnds[1]};
}

// Its exit status; -1 when it did not exit normally, or had to be killed after a minute.
int waitFor(int pid) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::minutes(1);
  int status = 0;
  while (waitpid(pid, &status, WNOHANG) == 0) {
    if (std::chrono::steady_clock::now() > deadline) {
      kill(pid, SIGKILL);
      waitpid(pid, &status, 0);
      return -1;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

void writeAll(int fd, const std::string& text) {
  std::size_t done = 0;
  while (done < text.size()) {
    const auto written = write(fd, text.data() + done, text.size() - done);
    if (written <= 0) return;
    done += static_cast<std::size_t>(written);
  }
}

}  // namespace

ProgramRun runProgram(const std::vector<std::string>& argv, const std::string& input,
                      const std::map<std::string, std::string>& environment) {
  RunningProgram program(argv, environment);
  program.write(input);
  return program.finish();
}

ProgramRun runSim(const std::string& root, const std::string& script,
                  const std::vector<std::string>& options) {
  std::vector<std::string> argv{ORBELLE_SIM, "--root", root};
  argv.insert(argv.end(), options.begin(), options.end());
  return runProgram(argv, script);
}

ProgramRun runPrefs(const std::string& root, const std::vector<std::string>& args) {
  std::vector<std::string> argv{ORBELLE_PREFS, "--root", root};
  argv.insert(argv.end(), args.begin(), args.end());
  return runProgram(argv);
}

RunningProgram::RunningProgram(const std::vector<std::string>& argv,
                               const std::map<std::string, std::string>& environment)
    : outFile_(temporaryFile("running-out")), errFile_(temporaryFile("running-err")) {
  std::tie(pid_, input_) = start(argv, outFile_, errFile_, environment);
}

std::string RunningProgram::output() const {
  return slurp(outFile_);
}

RunningProgram::~RunningProgram() {
  if (pid_ > 0) finish();
  std::filesystem::remove(outFile_);
  std::filesystem::remove(errFile_);
}

void RunningProgram::write(const std::string& text) {
  writeAll(input_, text);
}

bool RunningProgram::waitForOutput(const std::string& text) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (std::chrono::steady_clock::now() < deadline) {
    if (slurp(outFile_).find(text) != std::string::npos) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return false;
}

ProgramRun RunningProgram::finish() {
  ProgramRun run;
  if (input_ >= 0) close(input_);
  input_ = -1;
  if (pid_ > 0) run.status = waitFor(pid_);
  pid_ = -1;
  run.out = slurp(outFile_);
  run.err = slurp(errFile_);
  return run;
}
