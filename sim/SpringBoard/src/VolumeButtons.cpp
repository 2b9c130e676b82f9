#include "SpringBoard/VolumeButtons.h"

#include "SimDevice/ProcessRestart.h"

#include "SpringBoard/SpringBoard.h"

VolumeButtons& VolumeButtons::shared() {
  static VolumeButtons buttons;
  static const bool forgotten = (ProcessRestart::onRestart([] {
                                   for (auto& pressed : buttons.states_)
                                     buttons.cancelTimer(pressed);
                                   buttons.states_ = {};
                                 }),
                                 true);
  (void)forgotten;
  return buttons;
}

void VolumeButtons::down(VolumeButton button) {
  State& pressed = state(button);
  if (pressed.down) return;
  cancelTimer(pressed);
  pressed = State{};
  pressed.down = true;
  pressed.timer = CFRunLoop::main().addTimer(kShortHold, [this, button] {
    state(button).timer.reset();
    [[maybe_unused]] const auto fired = held(button);
  });
}

std::optional<VolumeButtons::Hold> VolumeButtons::held(VolumeButton button) {
  State& pressed = state(button);
  if (!pressed.down || pressed.holdFired) return std::nullopt;
  cancelTimer(pressed);
  pressed.holdFired = true;
  const bool handled = SpringBoard::shared().sendActivatorEvent(
      button == VolumeButton::Up ? kVolumeUpHoldShortEvent : kVolumeDownHoldShortEvent);
  auto& control = VolumeControl::sharedVolumeControl();
  if (handled) {
    control.dismissHUD();
    return Hold{true, std::nullopt};
  }
  // The listeners' turn may have let the button go: a button that is up repeats nothing.
  if (!state(button).down) return Hold{false, std::nullopt};
  const auto step = control.pressButton(button);
  state(button).timer = CFRunLoop::main().addRepeatingTimer(kRepeat, [this, button] {
    if (!state(button).down) return false;
    VolumeControl::sharedVolumeControl().pressButton(button);
    return true;
  });
  return Hold{false, step};
}

std::optional<VolumeControl::Press> VolumeButtons::up(VolumeButton button) {
  State& pressed = state(button);
  if (!pressed.down) return std::nullopt;
  cancelTimer(pressed);
  const bool fired = pressed.holdFired;
  pressed = State{};
  if (fired) return std::nullopt;
  return VolumeControl::sharedVolumeControl().pressButton(button);
}

void VolumeButtons::cancelTimer(State& pressed) {
  if (pressed.timer) CFRunLoop::main().cancelTimer(*pressed.timer);
  pressed.timer.reset();
}
