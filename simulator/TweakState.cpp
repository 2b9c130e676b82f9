#include "TweakState.h"

#include <dlfcn.h>

#include <string>

TweakState TweakState::lookUp() {
  TweakState state;
  state.popupWindow = static_cast<std::shared_ptr<UIWindow>*>(dlsym(RTLD_DEFAULT, "popupWindow"));
  state.popupView = static_cast<std::shared_ptr<OrbelleView>*>(dlsym(RTLD_DEFAULT, "popupView"));
  state.enableBackgroundBlur = static_cast<bool*>(dlsym(RTLD_DEFAULT, "enableBackgroundBlur"));
  return state;
}

std::string TweakState::describe() const {
  if (!loaded()) return "tweak not loaded";
  const auto& window = *popupWindow;
  return std::string("popupWindow=") +
         (!window              ? "nil"
          : window->isHidden() ? "hidden"
                               : "shown") +
         " popupView=" + (*popupView ? "set" : "nil") +
         " enableBackgroundBlur=" + (*enableBackgroundBlur ? "YES" : "NO");
}
