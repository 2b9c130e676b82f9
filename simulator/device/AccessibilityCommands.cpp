// VoiceOver and the accessibility inspector, as commands.
#include "device/CommandEngine.h"
#include "screen/AccessibilityTree.h"

namespace tree = accessibility_tree;

Result<std::string> CommandEngine::voiceover(const Args& args) {
  const auto on = switchTo(args, voiceOver_.running());
  if (!on) return on.failure();
  return voiceOver_.turn(*on);
}

Result<std::string> CommandEngine::vo(const Args& args) {
  const std::string& gesture = args[0];
  if (gesture == "touch") {
    if (args.size() != 3) return usage();
    const auto x = arguments::number<double>(args[1]);
    const auto y = arguments::number<double>(args[2]);
    if (!x || !y) return usage();
    return voiceOver_.touch(CGPoint{*x, *y});
  }
  if (args.size() != 1) return usage();
  using Gesture = Result<std::string> (VoiceOver::*)();
  static const std::pair<const char*, Gesture> kGestures[] = {
      {"next", &VoiceOver::next},           {"previous", &VoiceOver::previous},
      {"activate", &VoiceOver::activate},   {"increment", &VoiceOver::increment},
      {"decrement", &VoiceOver::decrement}, {"escape", &VoiceOver::escape},
      {"read", &VoiceOver::read},
  };
  for (const auto& [name, run] : kGestures) {
    if (gesture == name) return (voiceOver_.*run)();
  }
  return usage();
}

Result<std::string> CommandEngine::ax(const Args& args) {
  if (!args.empty() && args[0] != "audit") return usage();
  const auto elements = tree::elements();
  std::vector<std::string> out;
  if (args.empty()) {
    for (const auto& element : elements) out.push_back(tree::described(*element));
    if (out.empty()) return std::string("(no accessibility element on screen)");
  } else {
    out = tree::audit(elements);
    if (out.empty()) return std::string("nothing to flag");
  }
  return lines(out);
}

std::string CommandEngine::heardByVoiceOver() {
  std::string out;
  for (const auto& said : voiceOver_.takeHeard()) out += "\nVoiceOver: " + said;
  return out;
}
