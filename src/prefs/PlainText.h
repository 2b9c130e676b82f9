#pragma once

#include <cstddef>
#include <string_view>
#include <utility>

// Text as the preferences bundle takes it for a name or a value: well-formed UTF-8 without a
// control character. The programs that print such text escape by the same reading.
namespace plain_text {

inline constexpr char32_t kNotUtf8 = 0xFFFFFFFF;

// The character at `at` and its length in bytes; kNotUtf8 and one byte where the bytes are not
// well-formed UTF-8 (overlong, a surrogate, past U+10FFFF, cut short).
std::pair<char32_t, std::size_t> decode(std::string_view text, std::size_t at);
// C0, DEL and C1.
bool isControl(char32_t point);
bool isPlain(std::string_view text);

}  // namespace plain_text
