#include "common/DisplayText.h"

#include <utility>

#include "Foundation/UTF8Text.h"

namespace display_text {
namespace {

using utf8_text::decode;
using utf8_text::isControl;
using utf8_text::kNotUtf8;

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

// Controls as \u00XX, line ends too unless `keepLineEnds`.
std::string controlsEscaped(std::string_view text, bool keepLineEnds) {
  return escaped(text, [keepLineEnds](char32_t point, std::string& out) {
    if (!isControl(point) || (keepLineEnds && point == '\n')) return false;
    out += hex("\\u", static_cast<unsigned>(point), 4);
    return true;
  });
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
  return controlsEscaped(text, false);
}

std::string printableLines(std::string_view text) {
  return controlsEscaped(text, true);
}

}  // namespace display_text
