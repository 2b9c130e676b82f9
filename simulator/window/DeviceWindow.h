#pragma once

#include <SDL.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "common/Result.h"
#include "window/WindowCanvas.h"
#include "window/WindowInput.h"
#include "window/X11Watch.h"

// The booted device in a window of the desktop: what it shows (WindowCanvas) and what a person
// does at it (WindowInput), at `scale` window pixels a point, with the window's own events in
// between. Time runs: the main run loop's timers fire as they fall due, and a frame is drawn
// only when something happened.
class DeviceWindow {
 public:
  using Say = std::function<void(const std::string& line)>;
  // Runs a command line as typed at the prompt, its answer printed.
  using Run = std::function<void(const std::string& command)>;

  // At `scale`, or the largest that fits the display when none is given (see window_fit). On a
  // video driver that shows nothing (when no display can be reached) it fails, unless
  // SDL_VIDEODRIVER asked for that driver.
  static Result<std::unique_ptr<DeviceWindow>> open(std::optional<double> scale,
                                                    const std::string& title, Say say, Run run);
  // Whether a window could open now, for a caller with work to do first: the same failure
  // `open` would give.
  static Result<Ok> checkDisplay();
  DeviceWindow(const DeviceWindow&) = delete;
  DeviceWindow& operator=(const DeviceWindow&) = delete;
  ~DeviceWindow();

  // "window WxH screen X,Y scale S": where a script finds the screen's points.
  std::string describe() const { return canvas_.describe(); }

  // Handles the window's events, waiting up to `longest` for one (less when a timer falls due
  // sooner), then what the run loop has ready, then redraws what changed. False once the window
  // is to close.
  bool step(std::chrono::milliseconds longest);
  void close() { open_ = false; }
  // Something outside the window's own events (a command) may have changed the screen: the next
  // step looks.
  void look() { look_ = true; }

  // Where VoiceOver's cursor is to be drawn (screen points), asked at each frame.
  using Cursor = std::function<std::optional<CGRect>()>;
  void setCursor(Cursor cursor) { cursor_ = std::move(cursor); }

  // What the window shows, for tests.
  SDL_Surface* surface() const { return SDL_GetWindowSurface(window_); }
  const DeviceOutline& outline() const { return canvas_.outline(); }
  bool showsKeys() const { return canvas_.showsKeys(); }

 private:
  DeviceWindow(SDL_Window* window, double scale, Say say, Run run);

  void handle(const SDL_Event& event);
  void windowEvent(const SDL_WindowEvent& event);

  SDL_Window* window_;
  Say say_;
  WindowCanvas canvas_;
  WindowInput input_;
  std::optional<X11Watch> x11_;
  Cursor cursor_;
  bool open_ = true;
  bool look_ = false;
};
