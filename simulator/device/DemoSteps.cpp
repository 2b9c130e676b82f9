#include "device/DemoSteps.h"

#include <algorithm>
#include <cmath>
#include <iostream>
#include <sstream>

#include "UIKit/UIScreen.h"
#include "common/Report.h"
#include "common/Shortest.h"
#include "device/CommandEngine.h"

void DemoSteps::tapOn(const std::string& label, Part part) {
  steps_.push_back({part == Part::Whole ? Step::kTapOn : Step::kTapOnSwitch, label});
}

void DemoSteps::shoot(const std::string& name) {
  shotFiles_.push_back(name + ".png");
  run("screenshot \"" + (shots_ / shotFiles_.back()).string() + "\"");
}

std::chrono::milliseconds DemoSteps::playNext() {
  const Step& step = steps_.at(next_++);
  if (step.kind == Step::kSay) {
    print_("\n" + std::to_string(++told_) + ". " + step.text);
    return kAfterSaying;
  }
  if (step.kind == Step::kRun) {
    execute(step.text);
  } else {
    tap(step.text, step.kind == Step::kTapOn ? Part::Whole : Part::Accessory);
  }
  return kAfterRunning;
}

void DemoSteps::execute(const std::string& command) {
  const auto result = engine_->execute(command);
  print_("   > " + command);
  std::ostringstream said;
  report(said, result);
  std::istringstream lines(said.str());
  for (std::string line; std::getline(lines, line);) print_("     " + line);
  ok_ = ok_ && result.ok();
}

// A row scrolled out of sight is brought to the screen's middle first, a swipe of at most half
// the screen at a time, as a finger would.
void DemoSteps::tap(const std::string& label, Part part) {
  auto at = labelled_target::find(label, part);
  const CGSize screen = UIScreen::mainScreen().bounds().size;
  for (int swipes = 0; at && at->scrollBy && swipes < kMostSwipes; ++swipes) {
    const double reach = screen.height / 2;
    const double by = std::clamp(*at->scrollBy, -reach, reach);
    const double from = by > 0 ? screen.height * 0.75 : screen.height * 0.25;
    execute("swipe " + shortest(screen.width / 2) + " " + shortest(from) + " " +
            shortest(screen.width / 2) + " " + shortest(std::round(from - by)));
    at = labelled_target::find(label, part);
  }
  if (!at) {
    print_("   > tap on \"" + label + "\"");
    report(std::cout, at.failure());
    ok_ = false;
    return;
  }
  execute("tap " + shortest(std::round(at->point.x)) + " " + shortest(std::round(at->point.y)));
}
