#include "PlistText.h"

#include <iconv.h>

#include <memory>

namespace plist_text {
namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16BigEndianMark = "\xFE\xFF";
constexpr std::string_view kUtf16LittleEndianMark = "\xFF\xFE";

struct IconvCloser {
  void operator()(iconv_t converter) const { iconv_close(converter); }
};
using Converter = std::unique_ptr<std::remove_pointer_t<iconv_t>, IconvCloser>;

// iconv's "UTF-16" reads the mark, takes its byte order and drops it.
std::optional<std::string> fromUtf16(std::string_view bytes) {
  const Converter converter(iconv_open("UTF-8", "UTF-16"));
  if (converter.get() == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  // A UTF-16 unit gives at most three bytes of UTF-8; a surrogate pair, four.
  std::string out(bytes.size() / 2 * 3 + 4, '\0');
  char* in = const_cast<char*>(bytes.data());
  std::size_t inLeft = bytes.size();
  char* outAt = out.data();
  std::size_t outLeft = out.size();
  if (iconv(converter.get(), &in, &inLeft, &outAt, &outLeft) == static_cast<std::size_t>(-1) ||
      inLeft != 0) {
    return std::nullopt;
  }
  out.resize(out.size() - outLeft);
  return out;
}

}  // namespace

std::optional<std::string> asUtf8(std::string_view bytes) {
  if (bytes.starts_with(kUtf8Mark)) return std::string(bytes.substr(kUtf8Mark.size()));
  if (bytes.starts_with(kUtf16BigEndianMark) || bytes.starts_with(kUtf16LittleEndianMark)) {
    return fromUtf16(bytes);
  }
  return std::string(bytes);
}

bool isUtf8(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const int length = lead < 0x80                    ? 1
                       : lead >= 0xC2 && lead <= 0xDF ? 2
                       : lead >= 0xE0 && lead <= 0xEF ? 3
                       : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                      : 0;
    if (length == 0 || i + length > text.size()) return false;
    char32_t point = length == 1 ? lead : lead & (0x7F >> length);
    for (int k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(text[i + k]);
      if ((next & 0xC0) != 0x80) return false;
      point = point << 6 | (next & 0x3F);
    }
    const char32_t shortest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (point < shortest[length] || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF)) {
      return false;
    }
    i += length;
  }
  return true;
}

}  // namespace plist_text
