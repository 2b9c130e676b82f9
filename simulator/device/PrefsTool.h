#pragma once

#include <string>
#include <vector>

#include "common/Result.h"

// orbelle2-prefs, the command line over the preferences bundle's library, run beside this
// program on the device's root: the simulator writes preferences as any other process on the
// device would, through the bundle's writers, without linking them. Its answer, or its error.
namespace prefs_tool {

Result<std::string> run(const std::vector<std::string>& args);

}  // namespace prefs_tool
