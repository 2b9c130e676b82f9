#include "UIKit/UILabel.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr std::string_view kEllipsis = "\u2026";
constexpr CGFloat kLineSpacing = 1.2;

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

std::vector<std::string> UILabel::displayedLines(const TextWidth& widthOf) const {
  if (numberOfLines_ == 1) return {displayedText(widthOf)};
  const std::string& text = text_.value_or(std::string());
  const CGFloat room = bounds().size.width;
  std::vector<std::string> lines;
  std::string line;
  std::size_t at = 0;
  while (at < text.size()) {
    const std::size_t end = std::min(text.find(' ', at), text.size());
    const std::string word = text.substr(at, end - at);
    const std::string longer = line.empty() ? word : line + " " + word;
    if (!line.empty() && widthOf(longer, font_) > room) {
      lines.push_back(line);
      line = word;
    } else {
      line = longer;
    }
    at = end + 1;
  }
  if (!line.empty() || lines.empty()) lines.push_back(line);
  return lines;
}

CGFloat UILabel::lineHeight() const {
  return std::ceil(font_.pointSize() * kLineSpacing);
}

namespace {
UILabel::TextWidth& measureInUse() {
  static UILabel::TextWidth measure = [](std::string_view text, const UIFont& font) {
    return static_cast<CGFloat>(text.size()) * font.pointSize() / 2;
  };
  return measure;
}
}  // namespace

const UILabel::TextWidth& UILabel::systemMeasure() {
  return measureInUse();
}

void UILabel::setSystemMeasure(TextWidth measure) {
  measureInUse() = std::move(measure);
}

CGFloat UILabel::heightForWidth(CGFloat width) const {
  UILabel sized(CGRectMake(0, 0, width, 0));
  sized.setText(text_);
  sized.setFont(font_);
  sized.setNumberOfLines(numberOfLines_);
  return static_cast<CGFloat>(sized.displayedLines(systemMeasure()).size()) * lineHeight();
}
