#include "SpringBoard/VolumeButtons.h"

#include "SpringBoard/SpringBoard.h"

VolumeButtons& VolumeButtons::shared() {
  static VolumeButtons buttons;
  return buttons;
}

void VolumeButtons::down(VolumeButton button) {
  State& pressed = state(button);
  if (pressed.down) return;
  pressed = State{};
  pressed.down = true;
  pressed.timer = CFRunLoop::main().addTimer(kShortHold, [this, button] {
    state(button).timer.reset();
    held(button);
  });
}

std::optional<bool> VolumeButtons::held(VolumeButton button) {
  State& pressed = state(button);
  if (!pressed.down || pressed.holdFired) return std::nullopt;
  if (pressed.timer) CFRunLoop::main().cancelTimer(*pressed.timer);
  pressed.timer.reset();
  pressed.holdFired = true;
  pressed.holdHandled = SpringBoard::shared().sendActivatorEvent(
      button == VolumeButton::Up ? kVolumeUpHoldShortEvent : kVolumeDownHoldShortEvent);
  return pressed.holdHandled;
}

std::optional<VolumeControl::Press> VolumeButtons::up(VolumeButton button) {
  State& pressed = state(button);
  if (!pressed.down) return std::nullopt;
  if (pressed.timer) CFRunLoop::main().cancelTimer(*pressed.timer);
  const bool handled = pressed.holdHandled;
  pressed = State{};
  if (handled) return std::nullopt;
  return VolumeControl::sharedVolumeControl().pressButton(button);
}
