#pragma once

#include <SDL.h>

#include <optional>
#include <string>

#include "CoreGraphics/CGGeometry.h"

// What the X server says of the window that SDL does not pass on. While a mouse button is down
// the server sends the pointer's motion and release to the window it went down in, wherever the
// pointer is; SDL drops those that happen outside a window without the keyboard focus, which
// would leave a finger down for good. And a window destroyed by another client (a window
// manager's kill, `xdotool windowclose`) makes every later request an error, which Xlib's own
// handler answers by ending the program.
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
    CGPoint pixel;  // in the window, perhaps outside it
    bool held;      // the left button is down
  };
  // The pointer after a raw event, when it moved or a button was released.
  std::optional<Pointer> pointer(const SDL_SysWMmsg& message) const;
  // Whether the window is gone: destroyed, or refused by the server.
  bool lost(const SDL_SysWMmsg* message) const;

  // The title as UTF-8 text, as window managers read it (SDL leaves _NET_WM_NAME unset and
  // gives WM_NAME the bytes as Latin-1).
  void setTitle(const std::string& title) const;

 private:
  X11Watch(void* display, unsigned long window) : display_(display), window_(window) {}
  void* display_;  // Xlib's Display, kept out of this header
  unsigned long window_;
};
