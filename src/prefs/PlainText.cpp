#include "prefs/PlainText.h"

namespace plain_text {

std::pair<char32_t, std::size_t> decode(std::string_view text, std::size_t at) {
  const auto lead = static_cast<unsigned char>(text[at]);
  const std::size_t length = lead < 0x80                    ? 1
                             : lead >= 0xC2 && lead <= 0xDF ? 2
                             : lead >= 0xE0 && lead <= 0xEF ? 3
                             : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                            : 0;
  if (length == 0 || at + length > text.size()) return {kNotUtf8, 1};
  char32_t point = length == 1 ? lead : lead & (0x7F >> length);
  for (std::size_t k = 1; k < length; ++k) {
    const auto next = static_cast<unsigned char>(text[at + k]);
    if ((next & 0xC0) != 0x80) return {kNotUtf8, 1};
    point = point << 6 | (next & 0x3F);
  }
  constexpr char32_t kShortest[] = {0, 0, 0x80, 0x800, 0x10000};
  if (point < kShortest[length] || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF)) {
    return {kNotUtf8, 1};
  }
  return {point, length};
}

bool isControl(char32_t point) {
  return point < 0x20 || (point >= 0x7F && point <= 0x9F);
}

bool isPlain(std::string_view text) {
  for (std::size_t at = 0; at < text.size();) {
    const auto [point, length] = decode(text, at);
    if (point == kNotUtf8 || isControl(point)) return false;
    at += length;
  }
  return true;
}

}  // namespace plain_text
