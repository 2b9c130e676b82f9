#pragma once

#include <SDL.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "SpringBoard/VolumeButtons.h"
#include "common/Result.h"
#include "screen/SceneSnapshot.h"
#include "screen/ScreenRenderer.h"
#include "window/DeviceOutline.h"
#include "window/X11Watch.h"

// The booted device in a window of the desktop: its screen drawn as the screenshots are, in a
// body with its volume buttons, at `scale` window pixels a point. The left mouse button is a
// finger on the screen, delivered through UIKit's hit-testing, and the wheel scrolls; the keys
// are listed by key_help, and most run a command as if typed. Time runs: the main run loop's
// timers fire as they fall due. The window is drawn again only where the screen changed. Each
// new size of the window is said as a line of text.
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
  std::string describe() const;

  // Handles the window's events, waiting up to `longest` for one (less when a timer falls due
  // sooner), then what the run loop has ready, then redraws what changed. False once the window
  // is to close.
  bool step(std::chrono::milliseconds longest);
  void close() { open_ = false; }
  // Something outside the window's own events (a command) may have changed the screen: the next
  // step looks.
  void look() { look_ = true; }

  // What the window shows, for tests.
  SDL_Surface* surface() const { return SDL_GetWindowSurface(window_); }
  const DeviceOutline& outline() const { return outline_; }
  bool showsKeys() const { return showKeys_; }

 private:
  DeviceWindow(SDL_Window* window, double scale, Say say, Run run);

  // Input (DeviceWindowInput.cpp).
  void handle(const SDL_Event& event);
  void windowEvent(const SDL_WindowEvent& event);
  void key(const SDL_KeyboardEvent& event, bool down);
  // While a text field has the focus the keyboard types into it; answers whether it did.
  bool typingKey(SDL_Keycode key);
  void volumeButton(VolumeButton button, bool down);
  void mouseDown(CGPoint pixel);
  void mouseMoved(CGPoint pixel, bool held);
  void mouseUp(CGPoint pixel);
  void pointerChanged(const X11Watch::Pointer& pointer);
  void wheel(const SDL_MouseWheelEvent& event);
  // The finger, and a drawn button held by the mouse, are let go.
  void lift();

  // Layout and drawing (DeviceWindow.cpp).
  // Lays the window out again when the device turned (by a key or a command).
  void followTheScreen();
  // Draws the device at the largest scale that fills a window a person resized.
  void fillWindow(int width, int height);
  void layOut(double scale, CGSize window);
  void redraw(bool everything);
  void drawFinger(SDL_Surface* surface, cairo_format_t format) const;
  // Screen areas in points as the window's pixels that show them.
  std::vector<SDL_Rect> windowRects(const std::vector<CGRect>& areas) const;
  std::optional<CGRect> fingerArea(const std::optional<CGPoint>& finger) const;
  std::vector<VolumeButton> buttonsDown() const;

  SDL_Window* window_;
  Say say_;
  Run run_;
  double scale_;
  DeviceOutline outline_;
  ScreenRenderer renderer_;
  SceneSnapshot shown_;
  std::optional<X11Watch> x11_;
  bool open_ = true;
  bool stale_ = true;  // the whole window is to be drawn
  bool look_ = false;
  bool showKeys_ = false;
  std::optional<VolumeButton> clickedButton_;
  bool homeHeld_ = false;  // by the mouse, drawn pushed in until it comes up
  bool homeShown_ = false;
  std::optional<CGPoint> finger_;       // where the finger is on the screen, while it is down
  std::optional<CGPoint> fingerShown_;  // where the window last drew it
  std::vector<VolumeButton> buttonsShown_;
};
