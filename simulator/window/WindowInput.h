#pragma once

#include <SDL.h>

#include <functional>
#include <optional>
#include <string>

#include "SpringBoard/VolumeButtons.h"
#include "window/WindowCanvas.h"
#include "window/X11Watch.h"

// What a person does at the window: the left mouse button as one finger on the screen, delivered
// through UIKit's hit-testing and following the pointer wherever it goes while the button is
// down; a click on the drawn volume, side or Home buttons; the wheel; the keys of the window's key
// table, most of which run a command as if typed. Lines of text say what the volume keys did.
class WindowInput {
 public:
  using Say = std::function<void(const std::string& line)>;
  using Run = std::function<void(const std::string& command)>;

  WindowInput(WindowCanvas& canvas, Say say, Run run);

  void key(const SDL_KeyboardEvent& event, bool down);
  void mouseDown(CGPoint pixel);
  void mouseMoved(CGPoint pixel, bool held);
  void mouseUp(CGPoint pixel);
  void pointerChanged(const X11Watch::Pointer& pointer);
  void wheel(const SDL_MouseWheelEvent& event);
  // The finger, and a drawn button held by the mouse, are let go.
  void lift();
  // What the window draws of the hands: no fingertip on a dark display, where no touch lands.
  WindowCanvas::Hand hand() const;

 private:
  // While a text field has the focus the keyboard types into it; answers whether it did.
  bool typingKey(SDL_Keycode key);
  void volumeButton(VolumeButton button, bool down);

  WindowCanvas& canvas_;
  Say say_;
  Run run_;
  std::optional<VolumeButton> clickedButton_;
  bool homeHeld_ = false;  // by the mouse, drawn pushed in until it comes up
  bool sideHeld_ = false;
  std::optional<CGPoint> finger_;  // where the finger is on the screen, while it is down
};
