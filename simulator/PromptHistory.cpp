#include "PromptHistory.h"

#include <editline/readline.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "common/UserFolder.h"

namespace prompt_history {
namespace {

constexpr int kLinesKept = 1000;
bool loaded = false;

}  // namespace

void load() {
  if (loaded) return;
  loaded = true;
  stifle_history(kLinesKept);
  const auto file = UserFolder::historyFile();
  struct stat status {};
  // Only a file of the user's own: a link or another's file is not read.
  if (file.empty() || ::lstat(file.c_str(), &status) != 0 || !S_ISREG(status.st_mode) ||
      status.st_uid != ::getuid()) {
    return;
  }
  read_history(file.c_str());
}

void save() {
  if (!loaded) return;
  const auto file = UserFolder::historyFile();
  if (file.empty()) return;
  std::error_code error;
  if (std::filesystem::create_directories(file.parent_path(), error)) {
    std::filesystem::permissions(file.parent_path(), std::filesystem::perms::owner_all, error);
  }
  if (!UserFolder::ownedByTheUser(file.parent_path())) return;
  std::string draft = (file.parent_path() / ".history-XXXXXX").string();
  const int fd = ::mkstemp(draft.data());
  if (fd < 0) return;
  ::close(fd);
  if (write_history(draft.c_str()) == 0 && ::rename(draft.c_str(), file.c_str()) == 0) return;
  ::unlink(draft.c_str());
}

}  // namespace prompt_history
