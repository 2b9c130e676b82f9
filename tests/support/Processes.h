#pragma once

#include <sys/types.h>

#include <optional>
#include <string>

// Other processes as ps and /proc show them.
namespace processes {

// The child of `parent` whose name (its comm) is `name`; nothing when there is none.
std::optional<pid_t> childNamed(pid_t parent, const std::string& name);
// The files the process has mapped whose paths end in `ending`.
std::size_t loadedCopies(pid_t pid, const std::string& ending);

}  // namespace processes
