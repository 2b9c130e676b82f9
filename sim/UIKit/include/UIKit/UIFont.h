#pragma once

#include <string>

#include "CoreGraphics/CGGeometry.h"

// A font by family name and point size.
class UIFont {
 public:
  UIFont(std::string familyName, CGFloat pointSize)
      : familyName_(std::move(familyName)), pointSize_(pointSize) {}

  static UIFont systemFontOfSize(CGFloat size) { return UIFont(".SFUIText", size); }
  static UIFont boldSystemFontOfSize(CGFloat size) { return UIFont(".SFUIText-Semibold", size); }

  bool isBold() const { return familyName_.ends_with("-Semibold"); }

  const std::string& familyName() const { return familyName_; }
  CGFloat pointSize() const { return pointSize_; }
  bool operator==(const UIFont&) const = default;

 private:
  std::string familyName_;
  CGFloat pointSize_;
};
