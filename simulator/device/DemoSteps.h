#pragma once

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "device/Demo.h"
#include "screen/LabelledTarget.h"

class CommandEngine;

// The demo's step engine: a story written as steps (a sentence told, a command run and shown
// as its script line with its answer, a tap on what a label names, a screenshot), played one at
// a time on the engine it is given. The story names its screenshots; the folder it writes into
// learns from it which files a run makes.
class DemoSteps : public DemoStory {
 public:
  using Part = labelled_target::Part;

  DemoSteps(std::filesystem::path shots, Print print)
      : shots_(std::move(shots)), print_(std::move(print)) {}

  void say(const std::string& text) { steps_.push_back({Step::kSay, text}); }
  void run(const std::string& command) { steps_.push_back({Step::kRun, command}); }
  // A tap on what the label names, found on the screen as it is when the step comes.
  void tapOn(const std::string& label, Part part = Part::Whole);
  // The screen as "NAME.png" in the screenshots' folder.
  void shoot(const std::string& name);
  // The screenshots the story takes, as file names.
  const std::vector<std::string>& shots() const { return shotFiles_; }

  // The engine the steps run on, before the first is played.
  void playOn(CommandEngine& engine) { engine_ = &engine; }
  bool done() const override { return next_ == steps_.size(); }
  bool ok() const override { return ok_; }
  std::chrono::milliseconds playNext() override;

 private:
  struct Step {
    enum Kind { kSay, kRun, kTapOn, kTapOnSwitch } kind;
    std::string text;
  };

  void execute(const std::string& command);
  void tap(const std::string& label, Part part);

  // What a person watching the window has time to take in.
  static constexpr std::chrono::milliseconds kAfterSaying{1500};
  static constexpr std::chrono::milliseconds kAfterRunning{700};
  static constexpr int kMostSwipes = 8;

  CommandEngine* engine_ = nullptr;
  std::filesystem::path shots_;
  Print print_;
  std::vector<Step> steps_;
  std::vector<std::string> shotFiles_;
  std::size_t next_ = 0;
  int told_ = 0;
  bool ok_ = true;
};
