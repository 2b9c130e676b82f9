#pragma once

#include <sys/types.h>

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "UIKit/UIScreen.h"
#include "screen/CairoHandles.h"
#include "screen/RemoteWindow.h"

// An app in a process of its own on the device, as SpringBoard keeps one: started by its first
// launch, its windows shown on the screen through a RemoteWindow at the normal level (over the
// home screen, under SpringBoard's own windows), sent to the background by the Home button and
// brought back where it was by the next launch. Questions go over one channel and are answered
// within a bounded time; the app tells of changes it made by itself over another. A process
// that dies, or does not answer in time, is said in one line and let go; SpringBoard goes on, and
// the next launch starts the app again.
class AppProcess : public RemoteWindow::Source, public std::enable_shared_from_this<AppProcess> {
 public:
  static constexpr std::chrono::milliseconds kAnswerWait{4000};

  // `name` as SpringBoard knows it; `bundle` the app's name for orbelle2-app.
  static std::shared_ptr<AppProcess> make(std::string name);
  ~AppProcess() override;

  Result<> launch();
  void background();
  // The process ends with SpringBoard's: its channels close, and it is reaped.
  void end();
  bool running() const { return pid_ > 0; }

  cairo_surface_t* frame(double scale) override;
  std::uint64_t generation() override;
  void touch(RemoteWindow::Phase phase, CGPoint screenPoint) override;
  std::string touchedView() override { return touched_; }
  bool scroll(CGPoint screenPoint, CGPoint distance) override;
  bool editing() override;
  Result<std::string> type(const std::string& text) override;
  Result<std::string> key(const std::string& name) override;
  std::string dump(bool everything) override;
  std::string text() override;
  Result<labelled_target::Target> target(const std::string& text,
                                         labelled_target::Part part) override;
  Result<std::string> accessibility(const std::string& question) override;

 private:
  explicit AppProcess(std::string name) : name_(std::move(name)) {}
  Result<> start();
  // Sends a question and waits for its answer; the process is let go when none comes.
  Result<std::string> ask(const std::string& request);
  void heard();
  void exited(const std::string& why);
  void mapFrame(int fd);
  void unmapFrame();

  std::string name_;
  pid_t pid_ = 0;
  int questions_ = -1;  // ours of the questions' channel
  int news_ = -1;       // ours of the channel the app tells its own changes on
  std::shared_ptr<RemoteWindow> window_;
  std::uint64_t generation_ = 0;  // as the app last told it
  bool editing_ = false;
  std::string touched_ = "nothing";
  std::optional<UIInterfaceOrientation> orientation_;  // as last sent
  std::optional<bool> voiceOver_;                      // as last sent
  // The frame buffer the app draws into, shared with it.
  void* pixels_ = nullptr;
  std::size_t bytes_ = 0;
  CairoSurface frame_;
  double frameScale_ = 0;
  std::uint64_t frameGeneration_ = 0;
  CGSize frameSize_{};
};
