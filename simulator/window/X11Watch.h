#pragma once

#include <SDL.h>

#include <optional>
#include <string>

#include "CoreGraphics/CGGeometry.h"

// What the X server says of the window that SDL does not pass on, or passes on wrong. While a
// mouse button is down the server sends the pointer's motion and release to the window it went
// down in, wherever the pointer is; SDL drops those that happen outside a window without the
// keyboard focus, and as the pointer comes back in it lets go of the pointer, which ends the
// server's grab of the press: the release then goes to no one, SDL holds the button down for
// good and drops the next press. So on X11 the left button is read here alone. And a window
// destroyed by another client (a window manager's kill, `xdotool windowclose`) makes every later
// request an error, which Xlib's own handler answers by ending the program.
class X11Watch {
 public:
  // Before SDL starts: errors about the watched window are taken as its end, and every other
  // goes to Xlib's handler. SDL keeps the handler it finds and puts it back when it quits, after
  // which its display connections still report errors as they close.
  static void handleErrors();
  // For a window on X11; nothing on any other video driver. Turns on SDL's raw window-system
  // events.
  static std::optional<X11Watch> of(SDL_Window* window);

  struct Pointer {
    enum class Change { Press, Motion, Release } change;
    CGPoint pixel;  // in the window, perhaps outside it
    bool held;      // the left button is down
  };
  // The pointer after a raw event: the left button pressed or released, or a motion. While the
  // button is down the pointer is held for the window again as it comes back in.
  std::optional<Pointer> pointer(const SDL_SysWMmsg& message);
  // Whether the window is gone: destroyed, or refused by the server.
  bool lost(const SDL_SysWMmsg* message) const;

  // The title as UTF-8 text, as window managers read it (SDL leaves _NET_WM_NAME unset and
  // gives WM_NAME the bytes as Latin-1).
  void setTitle(const std::string& title) const;

 private:
  X11Watch(void* display, unsigned long window) : display_(display), window_(window) {}
  void* display_;  // Xlib's Display, kept out of this header
  unsigned long window_;
  bool holding_ = false;  // the pointer, grabbed here until the button comes up
};
