#include "UIKit/UILabel.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "Foundation/UTF8Text.h"

namespace {

constexpr std::string_view kEllipsis = "\u2026";
constexpr CGFloat kLineSpacing = 1.2;

// Where each character of UTF-8 text ends; a stray byte counts as a character of its own.
std::vector<std::size_t> characterEnds(std::string_view text) {
  std::vector<std::size_t> ends;
  for (std::size_t at = 0; at < text.size(); at = utf8_text::nextCharacter(text, at)) {
    ends.push_back(utf8_text::nextCharacter(text, at));
  }
  return ends;
}

// The length of the longest start of `text`, in whole characters (at least one), that fits.
std::size_t fittingStart(const std::string& text, CGFloat room, const UILabel::TextWidth& widthOf,
                         const UIFont& font) {
  const auto ends = characterEnds(text);
  std::size_t fitting = 1, tooMany = ends.size() + 1;
  while (tooMany - fitting > 1) {
    const std::size_t tried = (fitting + tooMany) / 2;
    (widthOf(text.substr(0, ends[tried - 1]), font) <= room ? fitting : tooMany) = tried;
  }
  return ends.empty() ? text.size() : ends[fitting - 1];
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
    std::string word = text.substr(at, end - at);
    const std::string longer = line.empty() ? word : line + " " + word;
    if (widthOf(longer, font_) <= room) {
      line = longer;
    } else {
      if (!line.empty()) lines.push_back(line);
      // A word wider than the label is broken between its characters.
      while (widthOf(word, font_) > room) {
        const std::size_t cut = fittingStart(word, room, widthOf, font_);
        lines.push_back(word.substr(0, cut));
        word.erase(0, cut);
      }
      line = word;
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
