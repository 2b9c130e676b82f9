#pragma once

#include <string>
#include <string_view>

// Text that came from a file or another program, made safe to print at a terminal: control
// characters (C0, DEL, C1) and bytes that are not UTF-8 are shown as escapes, never sent raw.
namespace display_text {

// The text between double quotes, with \" \\ \n \r \t, \u00XX for other controls and \xNN for
// a byte that is not UTF-8.
std::string quoted(std::string_view text);
// The text as it is, but for the escapes of controls and stray bytes.
std::string printable(std::string_view text);
// The same, but line ends kept: a program's answer of several lines.
std::string printableLines(std::string_view text);

}  // namespace display_text
