#include "common/DisplayText.h"

#include <utility>

namespace display_text {
namespace {

constexpr char32_t kNotUtf8 = 0xFFFFFFFF;

// The character at `at` and its length in bytes; kNotUtf8 and one byte where the bytes are no
// well-formed UTF-8.
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

// "\\x" and two hex digits, or "\\u" and four.
std::string hex(std::string_view prefix, unsigned value, int digits) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string out(prefix);
  for (int shift = (digits - 1) * 4; shift >= 0; shift -= 4) out += kDigits[(value >> shift) & 0xF];
  return out;
}

template <class Escape>
std::string escaped(std::string_view text, const Escape& escape) {
  std::string out;
  for (std::size_t at = 0; at < text.size();) {
    const auto [point, length] = decode(text, at);
    if (point == kNotUtf8) {
      out += hex("\\x", static_cast<unsigned char>(text[at]), 2);
    } else if (!escape(point, out)) {
      out.append(text.substr(at, length));
    }
    at += length;
  }
  return out;
}

}  // namespace

std::string quoted(std::string_view text) {
  return "\"" +
         escaped(text,
                 [](char32_t point, std::string& out) {
                   switch (point) {
                     case '"':
                       return out += "\\\"", true;
                     case '\\':
                       return out += "\\\\", true;
                     case '\n':
                       return out += "\\n", true;
                     case '\r':
                       return out += "\\r", true;
                     case '\t':
                       return out += "\\t", true;
                     default:
                       if (!isControl(point)) return false;
                       out += hex("\\u", static_cast<unsigned>(point), 4);
                       return true;
                   }
                 }) +
         "\"";
}

std::string printable(std::string_view text) {
  return escaped(text, [](char32_t point, std::string& out) {
    if (!isControl(point)) return false;
    out += hex("\\u", static_cast<unsigned>(point), 4);
    return true;
  });
}

bool isPlain(std::string_view text) {
  for (std::size_t at = 0; at < text.size();) {
    const auto [point, length] = decode(text, at);
    if (point == kNotUtf8 || isControl(point)) return false;
    at += length;
  }
  return true;
}

}  // namespace display_text
