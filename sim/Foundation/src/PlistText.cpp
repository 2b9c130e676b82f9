#include "PlistText.h"

#include <iconv.h>

#include <memory>

#include "Foundation/UTF8Text.h"

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
  return utf8_text::isWellFormed(text);
}

namespace {

// The integer's text with the zeros before its first significant digit dropped; anything that
// is not an optional sign and decimal digits is passed on for libplist to judge.
std::string withoutLeadingZeros(std::string_view text) {
  const auto first = text.find_first_not_of(" \t\r\n");
  const auto last = text.find_last_not_of(" \t\r\n");
  if (first == std::string_view::npos) return std::string(text);
  std::string_view number = text.substr(first, last - first + 1);
  std::string sign;
  if (number.front() == '-' || number.front() == '+') {
    sign = number.front() == '-' ? "-" : "";
    number.remove_prefix(1);
  }
  if (number.empty() || number.find_first_not_of("0123456789") != std::string_view::npos) {
    return std::string(text);
  }
  const auto significant = number.find_first_not_of('0');
  return sign +
         std::string(significant == std::string_view::npos ? "0" : number.substr(significant));
}

}  // namespace

std::string decimalIntegers(std::string_view xml) {
  static constexpr std::string_view kOpen = "<integer>";
  static constexpr std::string_view kClose = "</integer>";
  std::string out;
  out.reserve(xml.size());
  std::size_t at = 0;
  while (at < xml.size()) {
    const std::size_t next = xml.find('<', at);
    if (next == std::string_view::npos) break;
    out.append(xml.substr(at, next - at));
    const std::string_view rest = xml.substr(next);
    std::string_view skipTo;
    if (rest.starts_with("<!--")) skipTo = "-->";
    if (rest.starts_with("<![CDATA[")) skipTo = "]]>";
    const std::size_t close = rest.starts_with(kOpen) ? rest.find(kClose) : std::string_view::npos;
    if (!skipTo.empty()) {
      const std::size_t end = rest.find(skipTo);
      const std::size_t length = end == std::string_view::npos ? rest.size() : end + skipTo.size();
      out.append(rest.substr(0, length));
      at = next + length;
    } else if (close != std::string_view::npos) {
      out.append(kOpen);
      out.append(withoutLeadingZeros(rest.substr(kOpen.size(), close - kOpen.size())));
      at = next + close;
    } else {
      out.push_back('<');
      at = next + 1;
    }
  }
  if (at < xml.size()) out.append(xml.substr(at));
  return out;
}

}  // namespace plist_text
