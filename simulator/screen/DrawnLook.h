#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "CoreGraphics/CGColor.h"
#include "CoreGraphics/CGGeometry.h"
#include "UIKit/UIColor.h"
#include "UIKit/UIFont.h"
#include "UIKit/UIImage.h"
#include "screen/ViewVisitor.h"

// All the painter reads of one view to draw the view itself (what it holds has looks of its
// own), and nothing else: the painter draws from it, so two frames whose looks of a view are
// equal draw it alike, and comparing looks tells which areas of the screen to draw again.
struct DrawnLook {
  struct Image {
    std::shared_ptr<const UIImage> image;
    // The same file at the same density, size and caps draws the same.
    bool operator==(const Image& other) const;
  };
  struct Text {
    std::vector<std::string> lines;  // as the label shows them, each cut to its width
    double lineHeight = 0;
    UIFont font;
    UIColor color;
    long alignment = 0;  // NSTextAlignment
    double inset = 0;    // from either side
    bool operator==(const Text&) const = default;
  };
  // One side of a slider's track, from `from` to `to` along it.
  struct Track {
    std::optional<Image> image;
    UIColor color;  // drawn where there is no image
    double from = 0;
    double to = 0;
    bool operator==(const Track&) const = default;
  };
  struct Slider {
    std::optional<Image> minimumValueImage;
    std::optional<Image> maximumValueImage;
    Track minimum;
    Track maximum;
    std::optional<Image> thumb;
    UIColor thumbColor;  // drawn where there is no thumb image
    double thumbX = 0;
    bool operator==(const Slider&) const = default;
  };

  struct Switch {
    bool on = false;
    UIColor onTint;
    bool operator==(const Switch&) const = default;
  };

  CGSize size;
  CGPoint boundsOrigin;
  bool clipsToBounds = false;
  double alpha = 1;
  bool group = false;  // drawn whole with what it holds, then laid down once at `alpha`
  bool blur = false;
  std::optional<UIColor> background;
  double cornerRadius = 0;
  double borderWidth = 0;
  std::optional<CGColor> borderColor;
  std::optional<Text> text;
  std::optional<Slider> slider;
  std::optional<Switch> toggle;
  std::optional<double> caretX;  // a focused text field's caret, after its text
  double selectionWidth = 0;     // a text field's text selected whole, from its inset
  long accessory = 0;  // a table row's mark at its right edge: UITableViewCellAccessoryType
  std::optional<double> separatorFrom;  // a table row's hairline at its bottom, from this x
  std::optional<Image> image;           // an image view's, over its bounds
  // A scroll view's indicator while it shows, in the view's frame, and its opacity.
  std::optional<CGRect> indicator;
  double indicatorAlpha = 0;
  // An app's window drawn by its process: the generation of the frame it shows.
  std::optional<std::uint64_t> remote;
  bool operator==(const DrawnLook&) const = default;

  // Whether the view is drawn at all, with what it holds.
  static bool drawn(const UIView& view);
  static DrawnLook of(const UIView& view, const ViewKind& kind);
};
