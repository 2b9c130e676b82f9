#include "apps/AppChannel.h"

#include <algorithm>
#include <cmath>

#include "common/Arguments.h"

namespace app_channel {

std::string question(const char* verb, const std::string& words) {
  return words.empty() ? std::string(verb) : std::string(verb) + " " + words;
}

bool changesTheApp(const std::string& question) {
  const auto parts = words(question, 3);
  if (parts[0] == kAccessibility) {
    const std::string asked = parts.size() > 1 ? parts[1] : std::string();
    return asked != kList && asked != kAudit && asked != kSync && asked != kVoiceOver;
  }
  for (const char* changing : {kShow, kHide, kOrientation, kTouch, kScroll, kType, kKey}) {
    if (parts[0] == changing) return true;
  }
  return false;
}

std::string answer(const Answer& answer) {
  return std::string(answer.ok ? "ok " : "error ") + std::to_string(answer.generation) +
         (answer.editing ? " 1" : " 0") + "\n" + answer.text;
}

Result<Answer> parse(const std::string& message) {
  const auto end = message.find('\n');
  const auto head = words(message.substr(0, end), 3);
  Answer parsed;
  if (head.size() != 3) return fail("the app answered what is no answer");
  const auto generation = arguments::number<std::uint64_t>(head[1]);
  if (!generation || (head[0] != "ok" && head[0] != "error") ||
      (head[2] != "0" && head[2] != "1")) {
    return fail("the app answered what is no answer");
  }
  parsed.ok = head[0] == "ok";
  parsed.generation = *generation;
  parsed.editing = head[2] == "1";
  if (end != std::string::npos) parsed.text = message.substr(end + 1);
  return parsed;
}

std::vector<std::string> words(const std::string& question, std::size_t most) {
  std::vector<std::string> found;
  std::size_t at = 0;
  while (at < question.size() && found.size() + 1 < most) {
    const auto space = question.find(' ', at);
    if (space == std::string::npos) break;
    found.push_back(question.substr(at, space - at));
    at = space + 1;
  }
  if (at < question.size() || found.empty()) found.push_back(question.substr(at));
  return found;
}

std::size_t frameBytes(CGSize portrait, double scale) {
  const double side = std::ceil(std::max(portrait.width, portrait.height) * scale);
  return static_cast<std::size_t>(side) * static_cast<std::size_t>(side) * 4;
}

}  // namespace app_channel
