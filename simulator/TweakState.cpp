#include "TweakState.h"

#include <dlfcn.h>

// The variable's own name, and a pointer of its own type to where the tweak keeps it.
#define TWEAK_VARIABLE_NAME(variable) #variable
#define LOOK_UP_TWEAK_VARIABLE(variable) \
  static_cast<decltype(variable)*>(dlsym(RTLD_DEFAULT, TWEAK_VARIABLE_NAME(variable)))

TweakState TweakState::lookUp() {
  TweakState state;
  state.window = LOOK_UP_TWEAK_VARIABLE(popupWindow);
  state.panel = LOOK_UP_TWEAK_VARIABLE(popupView);
  state.blur = LOOK_UP_TWEAK_VARIABLE(enableBackgroundBlur);
  return state;
}

std::string TweakState::describe() const {
  if (!loaded()) return "tweak not loaded";
  const auto& shown = *window;
  return std::string(TWEAK_VARIABLE_NAME(popupWindow)) + "=" +
         (!shown              ? "nil"
          : shown->isHidden() ? "hidden"
                              : "shown") +
         " " + TWEAK_VARIABLE_NAME(popupView) + "=" + (*panel ? "set" : "nil") + " " +
         TWEAK_VARIABLE_NAME(enableBackgroundBlur) + "=" + (*blur ? "YES" : "NO");
}
