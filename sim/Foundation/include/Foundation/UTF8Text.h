#pragma once

#include <cstddef>
#include <string_view>
#include <utility>

// UTF-8 text as NSString reads it: the characters its bytes hold, what is well formed, what is a
// control character. Strings here are their UTF-8 bytes; where a byte belongs to no well-formed
// character it counts as one of its own (NSString would refuse the bytes whole).
namespace utf8_text {

inline constexpr char32_t kNotUtf8 = 0xFFFFFFFF;

// The character at `at` and its length in bytes; kNotUtf8 and one byte where the bytes are not
// well-formed UTF-8 (overlong, a surrogate, past U+10FFFF, cut short).
inline std::pair<char32_t, std::size_t> decode(std::string_view text, std::size_t at) {
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

// Where the character at `at` ends.
inline std::size_t nextCharacter(std::string_view text, std::size_t at) {
  return at + decode(text, at).second;
}

// Where the last character of non-empty `text` starts.
inline std::size_t lastCharacter(std::string_view text) {
  std::size_t start = text.size() - 1;
  for (std::size_t back = 0;
       back < 3 && start > 0 && (static_cast<unsigned char>(text[start]) & 0xC0) == 0x80; ++back) {
    --start;
  }
  return nextCharacter(text, start) == text.size() ? start : text.size() - 1;
}

inline bool isWellFormed(std::string_view text) {
  for (std::size_t at = 0; at < text.size();) {
    const auto [point, length] = decode(text, at);
    if (point == kNotUtf8) return false;
    at += length;
  }
  return true;
}

// C0, DEL and C1: NSCharacterSet's control characters among those a name could hold.
inline bool isControl(char32_t point) {
  return point < 0x20 || (point >= 0x7F && point <= 0x9F);
}

}  // namespace utf8_text
