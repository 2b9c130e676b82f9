#include "common/Arguments.h"

#include "common/Shortest.h"

namespace arguments {

Result<Words> split(const std::string& line) {
  Words words;
  std::string word;
  bool inWord = false, quoted = false;
  for (std::size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (quoted) {
      if (c == '\\' && i + 1 < line.size()) {
        word += line[++i];
      } else if (c == '"') {
        quoted = false;
      } else {
        word += c;
      }
    } else if (c == '"') {
      quoted = inWord = true;
    } else if (c == '#' && !inWord) {
      break;
    } else if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
      if (inWord) words.push_back(std::move(word));
      word.clear();
      inWord = false;
    } else {
      word += c;
      inWord = true;
    }
  }
  if (quoted) return fail("unclosed quote");
  if (inWord) words.push_back(std::move(word));
  return words;
}

Result<bool> onOff(std::string_view word) {
  if (word == "on") return true;
  if (word == "off") return false;
  return fail("\"" + std::string(word) + "\" is neither on nor off");
}

Result<CGSize> screenSize(std::string_view text, CGSize smallest) {
  constexpr double kLargest = 10000;
  const auto x = text.find('x');
  const auto width = number<double>(text.substr(0, x));
  const auto height = x == std::string_view::npos ? width : number<double>(text.substr(x + 1));
  if (x == std::string_view::npos || !width || !height || *width < smallest.width ||
      *height < smallest.height || *width > kLargest || *height > kLargest) {
    return fail("a screen is WxH points, from " + shortest(smallest.width) + "x" +
                shortest(smallest.height) + " (the smallest model's) to 10000x10000");
  }
  return CGSize{*width, *height};
}

}  // namespace arguments
