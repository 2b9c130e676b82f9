// VoiceOver and the accessibility inspector, as commands.
#include "device/CommandEngine.h"
#include "device/ScreenElements.h"

Result<std::string> CommandEngine::voiceover(const Args& args) {
  if (!args.empty() && args[0] == "speech") return speech(args);
  if (args.size() > 1) return usage();
  const auto on = switchTo(args, voiceOver_.running());
  if (!on) return on.failure();
  return voiceOver_.turn(*on);
}

// Where VoiceOver's speech goes: the audio device, WAVE files in a folder, or only the screen.
Result<std::string> CommandEngine::speech(const Args& args) {
  auto& speaker = voiceOver_.speaker();
  if (args.size() == 1) return speaker.describe();
  if (args[1] == "audio" && args.size() == 2) return speaker.toAudio();
  if (args[1] == "files" && args.size() == 3) return speaker.toFiles(args[2]);
  if (args[1] == "silent" && args.size() == 2) {
    speaker.silent();
    return speaker.describe();
  }
  return usage();
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
  std::vector<std::string> out;
  if (args.empty()) {
    for (const auto& element : screen_elements::all()) out.push_back(element.described());
    if (out.empty()) return std::string("(no accessibility element on screen)");
  } else {
    out = screen_elements::audit();
    if (out.empty()) return std::string("nothing to flag");
  }
  return lines(out);
}

std::string CommandEngine::heardByVoiceOver() {
  std::string out;
  for (const auto& said : voiceOver_.takeHeard()) out += "\nVoiceOver: " + said;
  return out;
}

std::optional<CGRect> CommandEngine::voiceOverCursor() {
  const auto at = voiceOver_.cursorNode();
  if (!at) return std::nullopt;
  return CGRectIsEmpty(at->visible) ? at->frame : at->visible;
}
