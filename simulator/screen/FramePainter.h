#pragma once

#include <cairo.h>

#include <vector>

#include "UIKit/UIColor.h"
#include "screen/DrawnLook.h"
#include "screen/ViewVisitor.h"

class ScreenRenderer;
class UIWindow;

// Paints one frame's windows onto a target whose context is already scaled to points, each
// view from its DrawnLook and nothing else. A view
// is painted in its superview's place, seen from its superview's bounds; a view that cuts off
// its subviews clips them to its rounded bounds; a view with subviews and an alpha below 1 is
// painted whole and then laid down once at that alpha, as a layer group is.
class FramePainter : public ViewVisitor {
 public:
  FramePainter(ScreenRenderer& renderer, cairo_t* cr) : renderer_(renderer), cr_(cr) {}

  bool enter(const UIView& view, const ViewKind& kind, int depth) override;
  void leave(const UIView& view, const ViewKind& kind, int depth) override;

 private:
  // The alpha of a view's own drawing: 1 inside its group, its alpha otherwise.
  static double ownAlpha(const DrawnLook& look);

  void turnOntoScreen(const UIWindow& window);
  void drawBackground(const DrawnLook& look, double alpha);
  void drawRemote(const UIView& view, double alpha);
  void drawBorder(const DrawnLook& look, double alpha);
  void drawIndicator(CGRect rect, double alpha);
  void drawText(const DrawnLook::Text& text, CGSize size, double alpha);
  void drawSelection(double width, CGSize size, double alpha);
  void drawCaret(double x, const UIFont& font, CGSize size, double alpha);
  void drawSlider(const DrawnLook::Slider& slider, CGSize box, double alpha);
  void drawTrack(const DrawnLook::Track& track, double midY, double alpha);
  void drawSwitch(const DrawnLook::Switch& toggle, CGSize box, double alpha);
  void drawAccessory(long type, CGSize box, double alpha);
  void drawSeparator(double from, CGSize box, double alpha);
  void drawBlur(const UIView& view, CGSize size, double alpha);
  void drawImage(const UIImage& image, CGRect into, double alpha);
  void roundedRect(CGRect r, double radius);
  void setColor(const UIColor& c, double alpha);

  ScreenRenderer& renderer_;
  cairo_t* cr_;
  const UIWindow* window_ = nullptr;
  std::vector<DrawnLook> open_;  // the looks of the views entered and not yet left
};
