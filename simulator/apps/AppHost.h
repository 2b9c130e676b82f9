#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>

#include "CoreGraphics/CGGeometry.h"
#include "apps/AccessibilityServer.h"
#include "common/Result.h"
#include "screen/ScreenRenderer.h"

// The app's side of its process: it answers SpringBoard's questions from the app's own UIKit
// (touches, keys, the dump, its text, where a label is), draws its windows into the frame buffer
// it shares with SpringBoard, and tells over the news channel of each change it made by itself
// (a timer, a notification). It runs until SpringBoard closes the channel.
class AppHost {
 public:
  struct Options {
    int questions = -1;
    int news = -1;
    double largestScale = 3;  // the densest frame SpringBoard asks for
  };

  explicit AppHost(Options options);
  ~AppHost();
  AppHost(const AppHost&) = delete;
  AppHost& operator=(const AppHost&) = delete;

  // The frame buffer made; false, with why, when it cannot be.
  Result<> prepare();
  void run();

 private:
  void question();
  // The answer's text; `changed` is set when the question changed what the app shows.
  Result<std::string> answer(const std::string& question, bool& changed);
  Result<std::string> render(double scale);
  // The first line of an answer, then `news` (what the app posted to VoiceOver) when given.
  void tell(const std::string& news = "");

  Options options_;
  int buffer_ = -1;
  void* pixels_ = nullptr;
  std::size_t bytes_ = 0;
  std::map<double, std::unique_ptr<ScreenRenderer>> renderers_;
  std::uint64_t generation_ = 1;
  int answered_ = 0;
  bool done_ = false;
  AccessibilityServer accessibility_;
};
