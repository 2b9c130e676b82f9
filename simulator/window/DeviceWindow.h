#pragma once

#include <SDL.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "common/Result.h"
#include "screen/SceneSnapshot.h"
#include "screen/ScreenRenderer.h"
#include "window/DeviceOutline.h"

// The booted device in a window of the desktop: its screen drawn as the screenshots are, in a
// body with its volume buttons, at `scale` window pixels a point. The left mouse button is a
// finger on the screen, delivered through UIKit's hit-testing; the Up and Down keys, or a click
// on the drawn buttons, are the volume buttons, held while held. R turns the device, T switches
// Reduce Transparency, P media playing, S saves a screenshot; Q, Escape or closing the window
// ends it. Time runs: the main run loop's timers fire as they fall due. The window is drawn
// again only where the screen changed.
class DeviceWindow {
 public:
  static Result<std::unique_ptr<DeviceWindow>> open(double scale, const std::string& title);
  DeviceWindow(const DeviceWindow&) = delete;
  DeviceWindow& operator=(const DeviceWindow&) = delete;
  ~DeviceWindow();

  // "window WxH screen X,Y scale S": where a script finds the screen's points.
  std::string describe() const;

  // Handles the window's events, waiting up to `longest` for one (less when a timer falls due
  // sooner), then what the run loop has ready, then redraws what changed. False once the window
  // is to close.
  bool step(std::chrono::milliseconds longest);
  void close() { open_ = false; }

  // What the window shows, for tests.
  SDL_Surface* surface() const { return SDL_GetWindowSurface(window_); }
  const DeviceOutline& outline() const { return outline_; }

 private:
  DeviceWindow(SDL_Window* window, double scale);
  void handle(const SDL_Event& event);
  void key(const SDL_KeyboardEvent& event, bool down);
  void mouseDown(CGPoint pixel);
  void mouseMoved(CGPoint pixel);
  void mouseUp(CGPoint pixel);
  void rotate();
  void saveScreenshot();
  Result<std::filesystem::path> saveNewScreenshot();
  // Lays the window out again when the device turned (by a key or a command).
  void resizeToTheScreen();
  void redraw(bool everything);
  // Screen areas in points as the window's pixels that show them.
  std::vector<SDL_Rect> windowRects(const std::vector<CGRect>& areas) const;

  SDL_Window* window_;
  double scale_;
  DeviceOutline outline_;
  ScreenRenderer renderer_;
  SceneSnapshot shown_;
  bool open_ = true;
  bool stale_ = true;  // the whole window is to be drawn
  std::optional<VolumeButton> clickedButton_;
  std::optional<CGPoint> finger_;  // where the finger is on the screen, while it is down
  int screenshots_ = 0;            // the number of the last name tried
};
