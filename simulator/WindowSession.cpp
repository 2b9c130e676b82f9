#include "WindowSession.h"

#include <chrono>
#include <deque>
#include <functional>
#include <sstream>

#include "Console.h"
#include "LineInput.h"
#include "common/Report.h"
#include "device/CommandEngine.h"
#include "device/Demo.h"
#include "window/DeviceWindow.h"

namespace {

using std::chrono::milliseconds;
using Clock = std::chrono::steady_clock;

// How long the window waits for its events before it looks at standard input and the Darwin
// notifications again.
constexpr milliseconds kWindowPoll{50};

// What runs between frames: answers how long the window is to run before the next call (zero:
// at the next frame) and whether it ran anything, or nothing once it is over.
struct Next {
  milliseconds pause{0};
  bool ran = true;
};
using Task = std::function<std::optional<Next>()>;

// Runs a command line, its results printed line by line beside the window as at the prompt;
// answers whether it succeeded.
bool runAndPrint(CommandEngine& engine, const std::string& line) {
  std::ostringstream out;
  const bool ok = report(out, engine.execute(line));
  std::istringstream lines(out.str());
  for (std::string each; std::getline(lines, each);) LineInput::print(each);
  return ok;
}

// Runs a command line as runAndPrint does; answers how long the window is to run for the command
// (a `wait`) and whether it succeeded.
struct LineRunner {
  explicit LineRunner(CommandEngine& engine) : engine_(engine) {
    engine_.setWaiter([this](milliseconds time) { waited_ = time; });
  }
  ~LineRunner() { engine_.setWaiter(nullptr); }
  LineRunner(const LineRunner&) = delete;
  LineRunner& operator=(const LineRunner&) = delete;

  milliseconds run(const std::string& line) {
    waited_ = milliseconds(0);
    allOk_ = runAndPrint(engine_, line) && allOk_;
    return waited_;
  }
  bool allOk() const { return allOk_; }
  bool quit() const { return engine_.quitRequested(); }

 private:
  CommandEngine& engine_;
  milliseconds waited_{0};
  bool allOk_ = true;
};

// The window until it closes or the task is over; false when the window could not open. Its
// keys run their commands on `engine`.
bool runWindow(const WindowSession& session, CommandEngine& engine, const Task& task) {
  const auto window =
      DeviceWindow::open(session.scale, session.title, &LineInput::print,
                         [&engine](const std::string& command) { runAndPrint(engine, command); });
  if (!window) {
    failed(window.failure());
    return false;
  }
  (*window)->setCursor([&engine] { return engine.voiceOverCursor(); });
  auto nextCall = Clock::now();
  for (;;) {
    const auto untilNext = std::chrono::ceil<milliseconds>(nextCall - Clock::now());
    if (!(*window)->step(std::clamp(untilNext, milliseconds(0), kWindowPoll))) return true;
    if (engine.quitRequested()) return true;  // a key quit
    // What VoiceOver said of its own accord between commands (a held button opened the popup).
    if (const auto heard = engine.heardByVoiceOver(); !heard.empty()) {
      LineInput::print(heard.substr(1));
    }
    if (Clock::now() < nextCall) continue;
    const auto next = task();
    if (!next) return true;
    if (next->ran) (*window)->look();
    nextCall = Clock::now() + next->pause;
  }
}

}  // namespace

int WindowSession::runScript(CommandEngine& engine, std::istream& script) const {
  LineRunner runner(engine);
  bool tooLong = false;
  const Task next = [&]() -> std::optional<Next> {
    std::string line;
    if (runner.quit() || !readLine(script, line, tooLong)) return std::nullopt;
    return Next{runner.run(line)};
  };
  if (!runWindow(*this, engine, next)) return 1;
  if (tooLong) LineInput::print("error: " + lineTooLong().reason);
  return runner.allOk() && !tooLong ? 0 : 1;
}

int WindowSession::runInput(CommandEngine& engine, bool untilInputEnds) const {
  LineRunner runner(engine);
  std::deque<std::string> typed;
  LineInput input([&](const std::string& line) { typed.push_back(line); });
  const Task next = [&]() -> std::optional<Next> {
    // A person's Ctrl-D at the prompt ends the session, as quit does; piped input that ends
    // leaves the window up unless it was the script.
    const bool inputOver = typed.empty() && input.ended() && (untilInputEnds || input.atTerminal());
    if (runner.quit() || inputOver) return std::nullopt;
    if (typed.empty()) {
      input.resume();  // the last line's results are out: the prompt comes back
      return Next{kWindowPoll, false};
    }
    const std::string line = std::move(typed.front());
    typed.pop_front();
    return Next{runner.run(line)};
  };
  if (!runWindow(*this, engine, next)) return 1;
  return untilInputEnds && !runner.allOk() ? 1 : 0;
}

bool WindowSession::playDemo(DemoStory& story, CommandEngine& engine) const {
  const Task next = [&]() -> std::optional<Next> {
    if (story.done() || engine.quitRequested()) return std::nullopt;
    return Next{story.playNext()};
  };
  return runWindow(*this, engine, next) && story.ok();
}
