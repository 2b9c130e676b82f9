#pragma once

#include <optional>
#include <string>
#include <string_view>

// What Foundation's reader accepts as the text of an XML property list, made into what libplist
// takes: UTF-8 without a byte-order mark. UTF-8 with a mark loses the mark; UTF-16 with a mark,
// in either byte order, is converted (by iconv). Anything else is passed on as it is.
namespace plist_text {

// No result for UTF-16 that does not convert (a lone surrogate, an odd length).
std::optional<std::string> asUtf8(std::string_view bytes);

// Well-formed UTF-8: no stray or overlong bytes, no surrogates, nothing past U+10FFFF. The only
// text an XML property list declared as UTF-8 may hold.
bool isUtf8(std::string_view text);

// The text with every <integer> read as Core Foundation reads it, in decimal: leading zeros,
// which libplist takes for octal ("010" as 8), are dropped. Comments and CDATA are left as
// they are.
std::string decimalIntegers(std::string_view xml);

}  // namespace plist_text
