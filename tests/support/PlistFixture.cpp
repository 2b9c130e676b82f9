#include "support/PlistFixture.h"

#include <cstdlib>

namespace plist_fixture {

Node string(const char* text) {
  return Node(plist_new_string(text));
}
Node integer(long long number) {
  return Node(plist_new_uint(static_cast<uint64_t>(number)));
}

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

std::string binary(const Node& root) {
  char* bytes = nullptr;
  uint32_t length = 0;
  plist_to_bin(root.get(), &bytes, &length);
  std::string result(bytes, length);
  std::free(bytes);
  return result;
}

}  // namespace plist_fixture
