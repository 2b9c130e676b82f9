#include "support/Processes.h"

#include <filesystem>
#include <fstream>
#include <set>

namespace processes {

std::optional<pid_t> childNamed(pid_t parent, const std::string& name) {
  std::error_code error;
  const std::string tasks = "/proc/" + std::to_string(parent) + "/task";
  for (const auto& task : std::filesystem::directory_iterator(tasks, error)) {
    std::ifstream children(task.path() / "children");
    for (pid_t child; children >> child;) {
      std::ifstream comm("/proc/" + std::to_string(child) + "/comm");
      std::string called;
      if (std::getline(comm, called) && called == name) return child;
    }
  }
  return std::nullopt;
}

std::size_t loadedCopies(pid_t pid, const std::string& ending) {
  std::ifstream maps("/proc/" + std::to_string(pid) + "/maps");
  std::set<std::string> files;
  for (std::string line; std::getline(maps, line);) {
    if (line.ends_with(ending)) files.insert(line.substr(line.find('/')));
  }
  return files.size();
}

}  // namespace processes
