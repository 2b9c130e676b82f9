#pragma once

#include <memory>

#include "UIKit/UIWindow.h"
#include "mixer/OrbelleView.h"

// The loaded tweak's process-wide popup state, found by symbol as a debugger finds it. Null
// pointers when the tweak is not loaded.
struct TweakState {
  std::shared_ptr<UIWindow>* popupWindow = nullptr;
  std::shared_ptr<OrbelleView>* popupView = nullptr;
  bool* enableBackgroundBlur = nullptr;

  static TweakState lookUp();
  bool loaded() const { return popupWindow && popupView && enableBackgroundBlur; }
  bool popupShown() const { return loaded() && *popupWindow && !(*popupWindow)->isHidden(); }
  // "popupWindow=nil|hidden|shown popupView=nil|set enableBackgroundBlur=YES|NO"
  std::string describe() const;
};
