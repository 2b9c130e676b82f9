#pragma once

#include <functional>

#include "Foundation/NSError.h"

// How the preferences bundle changes one of the two files: under the file's write claim from
// the read to the rename, so that writers in other processes wait for it rather than lose it,
// and announced with the preferences-changed Darwin notification once it is made. `change`
// answers whether it was made, with why not in its error; a claim not had in time is an error
// that begins with `failure`.
namespace coordinated_change {

bool run(const char* path, const char* failure, const std::function<bool(NSError*)>& change,
         NSError* error);

// Sets `error` (when given) to `reason`; answers false, for `return refuse(...)`.
bool refuse(NSError* error, std::string reason);

}  // namespace coordinated_change
