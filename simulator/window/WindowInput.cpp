// What a person does at the window: the mouse as a finger, the wheel, the keys.
#include "window/WindowInput.h"

#include "SpringBoard/SpringBoard.h"

#include "SpringBoard/VolumeButtons.h"
#include "UIKit/UIAccessibility.h"
#include "UIKit/UITouches.h"
#include "common/Shortest.h"
#include "screen/Keyboard.h"
#include "screen/RemoteWindow.h"
#include "window/WindowKeys.h"

namespace {

constexpr double kWheelStep = 30;  // points a notch of the wheel scrolls

const char* buttonName(VolumeButton button) {
  return button == VolumeButton::Up ? "up" : "down";
}

}  // namespace

WindowInput::WindowInput(WindowCanvas& canvas, Say say, Run run)
    : canvas_(canvas), say_(std::move(say)), run_(std::move(run)) {
}

void WindowInput::key(const SDL_KeyboardEvent& event, bool down) {
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
    case WindowKey::Action::Gesture:
      if (down && UIAccessibilityIsVoiceOverRunning()) run_(known->command);
      return;
    case WindowKey::Action::ShowKeys:
      if (down) canvas_.toggleKeys();
      return;
    case WindowKey::Action::Described:
      return;
  }
}

// Return, Escape and Backspace edit; the text itself comes as SDL's text input. A held
// Backspace repeats, as a keyboard's does.
bool WindowInput::typingKey(SDL_Keycode key) {
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

WindowCanvas::Hand WindowInput::hand() const {
  const bool lit = SpringBoard::shared().isDisplayOn();
  return {lit ? finger_ : std::nullopt, homeHeld_, sideHeld_};
}

void WindowInput::volumeButton(VolumeButton button, bool down) {
  auto& buttons = VolumeButtons::shared();
  if (down) {
    if (!buttons.isDown(button)) buttons.down(button);
    return;
  }
  if (!buttons.isDown(button)) return;
  const auto pressed = buttons.up(button);
  say_(std::string(pressed ? "press " : "hold ") + buttonName(button));
}

void WindowInput::mouseDown(CGPoint pixel) {
  if (canvas_.outline().isHomeButtonAt(pixel)) {
    homeHeld_ = true;
    return;
  }
  if (canvas_.outline().isSideButtonAt(pixel)) {
    sideHeld_ = true;
    return;
  }
  if (const auto button = canvas_.outline().buttonAt(pixel)) {
    clickedButton_ = button;
    return volumeButton(*button, true);
  }
  const auto point = canvas_.outline().screenPointAt(pixel);
  if (!point) return;  // off the screen: nothing there takes a touch
  // With VoiceOver on, a finger on the screen finds what is under it; the keys act on it.
  if (UIAccessibilityIsVoiceOverRunning()) {
    return run_("vo touch " + shortest(point->x) + " " + shortest(point->y));
  }
  finger_ = point;
  UITouches::shared().touchDown(*point);
}

// While the button is down the finger follows the pointer wherever it goes, held to the
// screen's edge; motion with the button up means its release went astray.
void WindowInput::mouseMoved(CGPoint pixel, bool held) {
  if (!held) return lift();
  if (!finger_) return;
  const CGPoint point = canvas_.outline().nearestScreenPoint(pixel);
  if (point == *finger_) return;
  finger_ = point;
  UITouches::shared().touchMoved(point);
}

void WindowInput::mouseUp(CGPoint pixel) {
  if (finger_) finger_ = canvas_.outline().nearestScreenPoint(pixel);
  lift();
}

void WindowInput::lift() {
  // The Home button acts as it comes up, as the hardware one does.
  if (std::exchange(homeHeld_, false)) run_(window_keys::of(SDLK_HOME)->command);
  if (std::exchange(sideHeld_, false)) run_(window_keys::of(window_keys::kSideButton)->command);
  if (clickedButton_) volumeButton(*std::exchange(clickedButton_, std::nullopt), false);
  if (!finger_) return;
  const CGPoint point = *finger_;
  finger_.reset();
  UITouches::shared().touchUp(point);
}

void WindowInput::wheel(const SDL_MouseWheelEvent& event) {
  const auto point =
      canvas_.outline().screenPointAt(CGPoint{double(event.mouseX), double(event.mouseY)});
  if (!point) return;
  const double flip = event.direction == SDL_MOUSEWHEEL_FLIPPED ? -1 : 1;
  // The wheel turned away from the person shows what is above: the content moves down.
  const CGPoint distance{flip * event.preciseX * kWheelStep, -flip * event.preciseY * kWheelStep};
  if (!UITouches::shared().scrollAt(*point, distance)) {
    RemoteWindow::scrollAt(*point, distance);
  }
}

void WindowInput::pointerChanged(const X11Watch::Pointer& pointer) {
  switch (pointer.change) {
    case X11Watch::Pointer::Change::Press:
      return mouseDown(pointer.pixel);
    case X11Watch::Pointer::Change::Motion:
      return mouseMoved(pointer.pixel, pointer.held);
    case X11Watch::Pointer::Change::Release:
      return mouseUp(pointer.pixel);
  }
}
