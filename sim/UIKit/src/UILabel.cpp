#include "UIKit/UILabel.h"

#include <vector>

namespace {

constexpr std::string_view kEllipsis = "\u2026";

// Where each character of UTF-8 text ends; a stray byte counts as a character of its own.
std::vector<std::size_t> characterEnds(std::string_view text) {
  std::vector<std::size_t> ends;
  for (std::size_t at = 0; at < text.size();) {
    ++at;
    while (at < text.size() && (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80) ++at;
    ends.push_back(at);
  }
  return ends;
}

}  // namespace

UILabel::UILabel(CGRect frame) : UIView(frame) {
  setUserInteractionEnabled(false);
}

std::string UILabel::displayedText(const TextWidth& widthOf) const {
  const std::string& text = text_.value_or(std::string());
  const CGFloat room = bounds().size.width;
  if (widthOf(text, font_) <= room) return text;
  const auto ends = characterEnds(text);
  // The most characters whose start, with the ellipsis, still fits: widths grow with length.
  std::size_t fitting = 0, tooMany = ends.size();
  while (tooMany - fitting > 1) {
    const std::size_t tried = (fitting + tooMany) / 2;
    const std::string candidate = text.substr(0, ends[tried - 1]) + std::string(kEllipsis);
    (widthOf(candidate, font_) <= room ? fitting : tooMany) = tried;
  }
  return (fitting == 0 ? std::string() : text.substr(0, ends[fitting - 1])) +
         std::string(kEllipsis);
}
