#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "CoreGraphics/CGGeometry.h"
#include "common/Result.h"

// What SpringBoard asks an app's process, a question a packet: a verb and its words.
//   hello                     the answer carries the app's frame buffer
//   show | hide               to the front, or to the background
//   orientation N             the device turned (a UIInterfaceOrientation)
//   touch down|move|up|cancel X Y
//   scroll X Y DX DY          a wheel; answers yes or no
//   type TEXT | key NAME      to the app's focused field
//   render SCALE              the app's windows into the buffer; answers "WIDTH HEIGHT STRIDE
//                             opaque|clear" (opaque: a window of the app hides the screen)
//   dump [all] | text         the app's windows, as the dump and the text screen tell them
//   target Whole|Accessory TEXT   where a label's row is; answers "X Y [SCROLL]"
//   state                     nothing more than the answer's first line
//   ax QUESTION               VoiceOver's, answered by the app's AccessibilityServer
// Each answer's first line is "ok|error GENERATION EDITING", the rest its text: GENERATION
// counts the changes to what the app shows, EDITING whether a field of it has the focus. The
// app tells of a change it made by itself (a timer, a notification) with that first line alone,
// over the other channel, and of what it posted to VoiceOver with "ax NEWS" after it.
namespace app_channel {

inline constexpr char kHello[] = "hello";
inline constexpr char kShow[] = "show";
inline constexpr char kHide[] = "hide";
inline constexpr char kOrientation[] = "orientation";
inline constexpr char kTouch[] = "touch";
inline constexpr char kScroll[] = "scroll";
inline constexpr char kType[] = "type";
inline constexpr char kKey[] = "key";
inline constexpr char kRender[] = "render";
inline constexpr char kDump[] = "dump";
inline constexpr char kText[] = "text";
inline constexpr char kTarget[] = "target";
inline constexpr char kState[] = "state";
inline constexpr char kAccessibility[] = "ax";
// VoiceOver's questions and the app's news to it.
inline constexpr char kVoiceOver[] = "voiceover";
inline constexpr char kList[] = "list";
inline constexpr char kAudit[] = "audit";
inline constexpr char kSync[] = "sync";
inline constexpr char kScreen[] = "screen";
inline constexpr char kLayout[] = "layout";
inline constexpr char kAnnounce[] = "announce";
// Words of the questions and answers.
inline constexpr char kAll[] = "all";
inline constexpr char kYes[] = "yes";
inline constexpr char kNo[] = "no";
inline constexpr char kOpaque[] = "opaque";
inline constexpr char kClear[] = "clear";
inline constexpr char kWhole[] = "Whole";
inline constexpr char kAccessory[] = "Accessory";
// A touch's phases, in the order of RemoteWindow::Phase.
inline constexpr const char* kPhases[] = {"down", "move", "up", "cancel"};

// A question: the verb, then its words.
std::string question(const char* verb, const std::string& words = "");
// Whether the app's answer to the question may change what it shows: VoiceOver's reading and
// listing change nothing, its gestures may.
bool changesTheApp(const std::string& question);

struct Answer {
  bool ok = false;
  std::uint64_t generation = 0;
  bool editing = false;
  std::string text;
};

std::string answer(const Answer& answer);
Result<Answer> parse(const std::string& message);

// The words of a question: its verb, then the rest split at spaces (the last takes what is
// left when `words` is reached).
std::vector<std::string> words(const std::string& question, std::size_t most);

// The frame buffer's size: the screen in either orientation at the scale given.
std::size_t frameBytes(CGSize portrait, double scale);

}  // namespace app_channel
