#pragma once

#include <optional>

#include "UIKit/UIView.h"

enum UIBlurEffectStyle : long {
  UIBlurEffectStyleExtraLight = 0,
  UIBlurEffectStyleLight = 1,
  UIBlurEffectStyleDark = 2,
};

class UIBlurEffect {
 public:
  static UIBlurEffect effectWithStyle(UIBlurEffectStyle style) { return UIBlurEffect(style); }
  UIBlurEffectStyle style() const { return style_; }

 private:
  explicit UIBlurEffect(UIBlurEffectStyle style) : style_(style) {}
  UIBlurEffectStyle style_;
};

// A view that blurs what lies behind it.
class UIVisualEffectView : public UIView {
 public:
  explicit UIVisualEffectView(std::optional<UIBlurEffect> effect) : effect_(effect) {}
  const char* className() const override { return "UIVisualEffectView"; }
  const std::optional<UIBlurEffect>& effect() const { return effect_; }

 private:
  std::optional<UIBlurEffect> effect_;
};
