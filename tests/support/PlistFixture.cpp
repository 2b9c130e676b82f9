#include "support/PlistFixture.h"

#include <iconv.h>

#include <cstdlib>
#include <string_view>

namespace plist_fixture {

Node array(std::initializer_list<plist_t> items) {
  Node node(plist_new_array());
  for (plist_t item : items) plist_array_append_item(node.get(), item);
  return node;
}

Node dict(std::initializer_list<std::pair<const char*, plist_t>> entries) {
  Node node(plist_new_dict());
  for (const auto& [key, value] : entries) plist_dict_set_item(node.get(), key, value);
  return node;
}

plist_t entry(const char* name, const char* pretty, bool visible) {
  return dict({{"categoryName", plist_new_string(name)},
               {"prettyCategoryName", plist_new_string(pretty)},
               {"visible", plist_new_bool(visible)}})
      .release();
}

std::string xml(const Node& root) {
  char* text = nullptr;
  uint32_t length = 0;
  plist_to_xml(root.get(), &text, &length);
  std::string result(text, length);
  std::free(text);
  return result;
}

namespace {

std::string utf16(std::string utf8, const char* byteOrder, std::string_view mark) {
  const auto declared = utf8.find("UTF-8");
  if (declared != std::string::npos) utf8.replace(declared, 5, "UTF-16");
  iconv_t converter = iconv_open(byteOrder, "UTF-8");
  std::string out(utf8.size() * 2 + 2, '\0');
  char* in = utf8.data();
  std::size_t inLeft = utf8.size();
  char* at = out.data();
  std::size_t outLeft = out.size();
  iconv(converter, &in, &inLeft, &at, &outLeft);
  iconv_close(converter);
  out.resize(out.size() - outLeft);
  return std::string(mark) + out;
}

}  // namespace

std::vector<std::pair<std::string, std::string>> everyEncoding(const Node& root) {
  const std::string utf8 = xml(root);
  return {{"XML", utf8},
          {"XML with a byte-order mark", "\xEF\xBB\xBF" + utf8},
          {"UTF-16 little-endian XML", utf16(utf8, "UTF-16LE", "\xFF\xFE")},
          {"UTF-16 big-endian XML", utf16(utf8, "UTF-16BE", "\xFE\xFF")},
          {"binary", binary(root)}};
}

std::string binary(const Node& root) {
  char* bytes = nullptr;
  uint32_t length = 0;
  plist_to_bin(root.get(), &bytes, &length);
  std::string result(bytes, length);
  std::free(bytes);
  return result;
}

}  // namespace plist_fixture
