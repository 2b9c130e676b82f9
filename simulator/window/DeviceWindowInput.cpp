// What a person does at the window: the mouse as a finger, the wheel, the keys.
#include <SDL_syswm.h>

#include <cerrno>

#include "SimDevice/FolderHandle.h"
#include "SpringBoard/SpringBoard.h"
#include "SpringBoard/VolumeButtons.h"
#include "SpringBoard/VolumeControl.h"
#include "UIKit/UIAccessibility.h"
#include "UIKit/UIApplication.h"
#include "UIKit/UITextField.h"
#include "UIKit/UITouches.h"
#include "common/UserFolder.h"
#include "screen/Keyboard.h"
#include "screen/RemoteWindow.h"
#include "window/DeviceWindow.h"
#include "window/WindowKeys.h"

namespace {

constexpr double kWheelStep = 30;  // points a notch of the wheel scrolls

const char* buttonName(VolumeButton button) {
  return button == VolumeButton::Up ? "up" : "down";
}

}  // namespace

void DeviceWindow::handle(const SDL_Event& event) {
  switch (event.type) {
    case SDL_QUIT:
      open_ = false;
      break;
    case SDL_WINDOWEVENT:
      windowEvent(event.window);
      break;
    case SDL_SYSWMEVENT:
      if (x11_ && x11_->lost(event.syswm.msg)) open_ = false;
      if (const auto pointer = x11_ ? x11_->pointer(*event.syswm.msg) : std::nullopt) {
        pointerChanged(*pointer);
      }
      break;
    case SDL_KEYDOWN:
    case SDL_KEYUP:
      key(event.key, event.type == SDL_KEYDOWN);
      break;
    case SDL_TEXTINPUT:
      if (keyboard::editing()) [[maybe_unused]]
        const auto typed = keyboard::type(event.text.text);
      break;
    case SDL_MOUSEBUTTONDOWN:
      if (event.button.button == SDL_BUTTON_LEFT && !x11_) {
        mouseDown(CGPoint{double(event.button.x), double(event.button.y)});
      }
      break;
    case SDL_MOUSEMOTION:
      if (x11_) break;
      mouseMoved(CGPoint{double(event.motion.x), double(event.motion.y)},
                 (event.motion.state & SDL_BUTTON_LMASK) != 0);
      break;
    case SDL_MOUSEBUTTONUP:
      if (event.button.button == SDL_BUTTON_LEFT && !x11_) {
        mouseUp(CGPoint{double(event.button.x), double(event.button.y)});
      }
      break;
    case SDL_MOUSEWHEEL:
      wheel(event.wheel);
      break;
    default:
      break;
  }
}

void DeviceWindow::pointerChanged(const X11Watch::Pointer& pointer) {
  switch (pointer.change) {
    case X11Watch::Pointer::Change::Press:
      return mouseDown(pointer.pixel);
    case X11Watch::Pointer::Change::Motion:
      return mouseMoved(pointer.pixel, pointer.held);
    case X11Watch::Pointer::Change::Release:
      return mouseUp(pointer.pixel);
  }
}

void DeviceWindow::windowEvent(const SDL_WindowEvent& event) {
  switch (event.event) {
    case SDL_WINDOWEVENT_CLOSE:
      open_ = false;
      break;
    case SDL_WINDOWEVENT_FOCUS_LOST:
      lift();
      break;
    case SDL_WINDOWEVENT_SIZE_CHANGED:
      fillWindow(event.data1, event.data2);
      stale_ = true;
      break;
    case SDL_WINDOWEVENT_EXPOSED:
      stale_ = true;
      break;
    default:
      break;
  }
}

void DeviceWindow::key(const SDL_KeyboardEvent& event, bool down) {
  if (down && typingKey(event.keysym.sym)) return;
  if (keyboard::editing()) return;  // typed, not for the device
  if (event.repeat) return;         // the keyboard's repeat is not another press
  const WindowKey* known = window_keys::of(event.keysym.sym);
  if (!known) return;
  switch (known->action) {
    case WindowKey::Action::VolumeButtons:
      return volumeButton(event.keysym.sym == SDLK_UP ? VolumeButton::Up : VolumeButton::Down,
                          down);
    case WindowKey::Action::Command:
      if (down) run_(known->command);
      return;
    case WindowKey::Action::ShowKeys:
      if (!down) return;
      showKeys_ = !showKeys_;
      stale_ = true;
      return say_(showKeys_ ? "keys shown" : "keys hidden");
    case WindowKey::Action::Described:
      return;
  }
}

// Return, Escape and Backspace edit; the text itself comes as SDL's text input. A held
// Backspace repeats, as a keyboard's does.
bool DeviceWindow::typingKey(SDL_Keycode key) {
  if (!keyboard::editing()) return false;
  const char* name = key == SDLK_RETURN || key == SDLK_KP_ENTER ? "return"
                     : key == SDLK_ESCAPE                       ? "escape"
                     : key == SDLK_BACKSPACE                    ? "backspace"
                                                                : nullptr;
  if (!name) return false;
  [[maybe_unused]] const auto pressed = keyboard::key(name);
  if (key != SDLK_BACKSPACE) say_(std::string("key ") + name);
  return true;
}

void DeviceWindow::volumeButton(VolumeButton button, bool down) {
  auto& buttons = VolumeButtons::shared();
  if (down) {
    if (!buttons.isDown(button)) buttons.down(button);
    return;
  }
  if (!buttons.isDown(button)) return;
  const auto pressed = buttons.up(button);
  say_(std::string(pressed ? "press " : "hold ") + buttonName(button));
}

void DeviceWindow::mouseDown(CGPoint pixel) {
  if (outline_.isHomeButtonAt(pixel)) {
    homeHeld_ = true;
    return;
  }
  if (const auto button = outline_.buttonAt(pixel)) {
    clickedButton_ = button;
    return volumeButton(*button, true);
  }
  const auto point = outline_.screenPointAt(pixel);
  if (!point) return;  // off the screen: nothing there takes a touch
  finger_ = point;
  UITouches::shared().touchDown(*point);
}

// While the button is down the finger follows the pointer wherever it goes, held to the
// screen's edge; motion with the button up means its release went astray.
void DeviceWindow::mouseMoved(CGPoint pixel, bool held) {
  if (!held) return lift();
  if (!finger_) return;
  const CGPoint point = outline_.nearestScreenPoint(pixel);
  if (point == *finger_) return;
  finger_ = point;
  UITouches::shared().touchMoved(point);
}

void DeviceWindow::mouseUp(CGPoint pixel) {
  if (finger_) finger_ = outline_.nearestScreenPoint(pixel);
  lift();
}

void DeviceWindow::lift() {
  // The Home button acts as it comes up, as the hardware one does.
  if (std::exchange(homeHeld_, false)) run_(window_keys::of(SDLK_HOME)->command);
  if (clickedButton_) volumeButton(*std::exchange(clickedButton_, std::nullopt), false);
  if (!finger_) return;
  const CGPoint point = *finger_;
  finger_.reset();
  UITouches::shared().touchUp(point);
}

void DeviceWindow::wheel(const SDL_MouseWheelEvent& event) {
  const auto point = outline_.screenPointAt(CGPoint{double(event.mouseX), double(event.mouseY)});
  if (!point) return;
  const double flip = event.direction == SDL_MOUSEWHEEL_FLIPPED ? -1 : 1;
  // The wheel turned away from the person shows what is above: the content moves down.
  const CGPoint distance{flip * event.preciseX * kWheelStep, -flip * event.preciseY * kWheelStep};
  if (!UITouches::shared().scrollAt(*point, distance)) {
    RemoteWindow::scrollAt(*point, distance);
  }
}
