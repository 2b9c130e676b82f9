#pragma once

#include <istream>
#include <optional>
#include <string>

class CommandEngine;
class DemoStory;

// The device in a window, with commands run between its frames: from a script, from a person
// at the prompt beside it, or the demo's story. A `wait` lets the window run for that long.
// Each returns the program's exit status.
struct WindowSession {
  std::optional<double> scale;  // none: the largest that fits the display
  std::string title;

  // The script's commands, one a frame; the window closes when the script ends (or quits).
  // Exit 0 when every command succeeded.
  int runScript(CommandEngine& engine, std::istream& script) const;
  // Lines from standard input: a prompt at a terminal, else lines from a pipe, until the window
  // closes or a command quits; with `untilInputEnds`, also when the input ends (a script on
  // standard input), exiting as a script does.
  int runInput(CommandEngine& engine, bool untilInputEnds) const;
  // The demo's story, paced for a person watching; the window closes after its last step.
  bool playDemo(DemoStory& story, CommandEngine& engine) const;
};
