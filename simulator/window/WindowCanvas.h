#pragma once

#include <SDL.h>
#include <cairo.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "SpringBoard/VolumeButtons.h"
#include "screen/SceneSnapshot.h"
#include "screen/ScreenRenderer.h"
#include "window/DeviceOutline.h"

// What the window shows: the device's body and buttons at its scale, its screen drawn by the
// renderer into the one rectangle the outline gives it, only where the scene changed since the
// last frame, a fingertip where the finger touches, VoiceOver's cursor while it runs, and the
// keys over it all when asked for.
// Each new size of the window is said as a line of text.
class WindowCanvas {
 public:
  using Say = std::function<void(const std::string& line)>;
  // What a person's hand is doing, which a frame shows.
  struct Hand {
    std::optional<CGPoint> finger;  // on the screen, in points
    bool homeHeld = false;          // the drawn Home button, pushed in
    bool sideHeld = false;          // the drawn side button, pushed in
  };

  WindowCanvas(SDL_Window* window, double scale, Say say);
  // Whether the window's pixels are laid out as the canvas draws.
  static bool drawsInto(const SDL_Surface* surface);

  const DeviceOutline& outline() const { return outline_; }
  // "window WxH screen X,Y scale S": where a script finds the screen's points.
  std::string describe() const;
  bool showsKeys() const { return showKeys_; }
  void toggleKeys();
  // The whole window is to be drawn at the next frame (exposed, resized).
  void invalidate() { stale_ = true; }
  bool stale() const { return stale_; }

  // Lays the window out again when the device turned (by a key or a command).
  void followTheScreen();
  // Draws the device at the largest scale that fills a window a person resized.
  void fillWindow(int width, int height);
  // Draws what changed since the last frame, all of it when stale; VoiceOver's cursor around
  // `cursor` (screen points) while it runs.
  void redraw(const Hand& hand, const std::optional<CGRect>& cursor = std::nullopt);

 private:
  void layOut(double scale, CGSize window);
  void drawOnScreen(SDL_Surface* surface, cairo_format_t format,
                    const std::function<void(cairo_t*)>& draw) const;
  void drawFinger(SDL_Surface* surface, cairo_format_t format,
                  const std::optional<CGPoint>& finger) const;
  // Screen areas in points as the window's pixels that show them.
  std::vector<SDL_Rect> windowRects(const std::vector<CGRect>& areas) const;
  std::optional<CGRect> fingerArea(const std::optional<CGPoint>& finger) const;
  void drawCursor(SDL_Surface* surface, cairo_format_t format,
                  const std::optional<CGRect>& cursor) const;
  static std::optional<CGRect> cursorArea(const std::optional<CGRect>& cursor);
  std::optional<CGRect> onScreen(const std::optional<CGRect>& cursor) const;
  std::vector<VolumeButton> buttonsDown() const;

  SDL_Window* window_;
  Say say_;
  double scale_;
  DeviceOutline outline_;
  ScreenRenderer renderer_;
  SceneSnapshot shown_;
  bool stale_ = true;
  bool showKeys_ = false;
  bool homeShown_ = false;
  bool sideShown_ = false;
  std::optional<CGPoint> fingerShown_;  // where the last frame drew it
  std::optional<CGRect> cursorShown_;
  std::vector<VolumeButton> buttonsShown_;
};
