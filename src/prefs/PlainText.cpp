#include "prefs/PlainText.h"

#include "Foundation/UTF8Text.h"

namespace plain_text {

bool isPlain(std::string_view text) {
  for (std::size_t at = 0; at < text.size();) {
    const auto [point, length] = utf8_text::decode(text, at);
    if (point == utf8_text::kNotUtf8 || utf8_text::isControl(point)) return false;
    at += length;
  }
  return true;
}

}  // namespace plain_text
