#include "device/PrefsTool.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>

#include "SimDevice/DeviceRoot.h"
#include "common/ChildProgram.h"
#include "common/ProgramFolder.h"

namespace prefs_tool {
namespace {

constexpr char kProgram[] = "orbelle2-prefs";
// What it adds to a mistyped command's error, about its own usage rather than the simulator's.
constexpr char kUsageHint[] = " (orbelle2-prefs --help for the usage)";
// The tool waits at most 3 seconds for a write claim: past that and more, it is stuck.
constexpr std::chrono::milliseconds kLongest{6000};

std::string program() {
  return (programFolder() / kProgram).string();
}

std::string withoutLineEnd(std::string text) {
  while (!text.empty() && text.back() == '\n') text.pop_back();
  return text;
}

}  // namespace

Result<std::string> run(const std::vector<std::string>& args) {
  std::vector<std::string> words{program(), "--root", DeviceRoot::path().string()};
  words.insert(words.end(), args.begin(), args.end());
  const auto ran = ChildProgram::run(words, kLongest);
  if (!ran) return ran.failure();
  if (ran->exitStatus == 0) return withoutLineEnd(ran->out);
  std::string why = withoutLineEnd(ran->err);
  if (why.starts_with("error: ")) why.erase(0, 7);
  if (why.ends_with(kUsageHint)) why.erase(why.size() - std::string_view(kUsageHint).size());
  return fail(why.empty() ? std::string(kProgram) + " failed" : why);
}

}  // namespace prefs_tool
