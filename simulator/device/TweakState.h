#pragma once

#include <memory>
#include <string>

#include "Foundation/NSObjCRuntime.h"
#include "UIKit/UILabel.h"
#include "UIKit/UISlider.h"
#include "UIKit/UIWindow.h"

class OrbelleView;  // the tweak's panel class: held here by pointer, never used

// The loaded tweak as a tool outside it sees it. Its process-wide popup state is found by symbol
// as a debugger finds it; its panel and rows by walking the popup window's view tree through
// UIKit, as a UI test does, by the panel's class name and the rows' tags. Nothing of the tweak's
// own code is called. Null pointers when the tweak is not loaded into this process.
struct TweakState {
  std::shared_ptr<UIWindow>* window = nullptr;    // popupWindow
  std::shared_ptr<OrbelleView>* panel = nullptr;  // popupView
  bool* blur = nullptr;                           // enableBackgroundBlur

  static TweakState lookUp();
  bool loaded() const { return window && panel && blur; }
  bool popupShown() const { return loaded() && *window && !(*window)->isHidden(); }
  // "popupWindow=nil|hidden|shown popupView=nil|set enableBackgroundBlur=YES|NO"
  std::string describe() const;

  // The panel in the popup shown; null when none is.
  std::shared_ptr<UIView> shownPanel() const;
  // The slider and the label of category `num` in the popup shown; null when there are none.
  std::shared_ptr<UISlider> slider(NSInteger num) const;
  std::shared_ptr<UILabel> label(NSInteger num) const;
};
