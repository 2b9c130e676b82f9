#pragma once

#include <string_view>

// Text as the preferences bundle takes it for a name or a value: well-formed UTF-8 without a
// control character.
namespace plain_text {

bool isPlain(std::string_view text);

}  // namespace plain_text
