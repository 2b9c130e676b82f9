#pragma once

#include <memory>
#include <string>

#include "popup/PopupState.h"

// The loaded tweak's process-wide popup state, found by symbol as a debugger finds it: each
// variable under its own name and with its declared type. Null pointers when the tweak is not
// loaded into this process.
struct TweakState {
  decltype(popupWindow)* window = nullptr;
  decltype(popupView)* panel = nullptr;
  decltype(enableBackgroundBlur)* blur = nullptr;

  static TweakState lookUp();
  bool loaded() const { return window && panel && blur; }
  bool popupShown() const { return loaded() && *window && !(*window)->isHidden(); }
  // "popupWindow=nil|hidden|shown popupView=nil|set enableBackgroundBlur=YES|NO"
  std::string describe() const;
};
