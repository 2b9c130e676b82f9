#pragma once

#include <cairo.h>

#include <optional>

#include "UIKit/UIColor.h"
#include "UIKit/UISlider.h"
#include "screen/ViewVisitor.h"

class ScreenRenderer;
class UIWindow;

// Paints one frame's windows onto a target whose context is already scaled to points. A view
// is painted in its superview's place, seen from its superview's bounds; a view that cuts off
// its subviews clips them to its rounded bounds; a view with subviews and an alpha below 1 is
// painted whole and then laid down once at that alpha, as a layer group is.
class FramePainter : public ViewVisitor {
 public:
  FramePainter(ScreenRenderer& renderer, cairo_t* cr) : renderer_(renderer), cr_(cr) {}

  bool enter(const UIView& view, const ViewKind& kind, int depth) override;
  void leave(const UIView& view, const ViewKind& kind, int depth) override;

 private:
  static bool paintedAsGroup(const UIView& view);
  // The alpha of a view's own drawing: 1 inside its group, its alpha otherwise.
  static double ownAlpha(const UIView& view);

  void drawBackground(const UIView& view, double alpha);
  void drawBorder(const UIView& view, double alpha);
  void drawLabel(const UILabel& label, double alpha);
  void drawSlider(const UISlider& slider, double alpha);
  void drawTrack(const UISlider::Image& image, const std::optional<UIColor>& tint, UIColor standard,
                 double from, double to, double midY, double alpha);
  void drawBlur(const UIView& view, double alpha);
  void drawImage(const UIImage& image, CGRect into, double alpha);
  void roundedRect(CGRect r, double radius);
  void setColor(const UIColor& c, double alpha);

  ScreenRenderer& renderer_;
  cairo_t* cr_;
  const UIWindow* window_ = nullptr;
};
